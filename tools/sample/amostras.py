"""Hand-written sample cards of the collection (all fictional or summaries).

Each card: cod, sessao, titulo, subtitulo, categoria, pchave and texto, a list
of paragraphs in the small markup of pagina.blocks_to_html. Court decisions
(sessao "C") get their searchable text from texto, line by line, because the
result list shows their first lines; the first line always names the court.
A card may carry "conteudo" to override the searchable text, and "aviso"
("resumo") when it summarises a real act instead of inventing one.
"""

from pagina import plain_text

# Every category code of every tree, plus C11 (filter code) and C43 (no node).
ALL_CODES = (
    ["A%02d" % n for n in range(1, 14)]
    + ["B%02d" % n for n in range(1, 16)]
    + ["C%02d" % n for n in range(1, 45)]
    + ["H01"]
    + ["D%02d" % n for n in range(1, 14)]
    + ["E%02d" % n for n in range(1, 15)]
    + ["F01", "F06", "F11", "F16"]
)

MODEL_NOTE = "Modelo fictício de amostra; adapte-o ao caso concreto."

# --------------------------------------------------------------------------
# Textos (section A): the author goes in subtitulo

TEXTOS = [
    (101, "A prioridade absoluta como chave de leitura do Estatuto (amostra)",
     "Helena Vasconcelos Prado", "A01 A02 A03",
     "prioridade absoluta proteção integral princípios interpretação doutrina", [
         "A Constituição de 1988, no art. 227, e o Estatuto da Criança e do Adolescente, no "
         "art. 4º, atribuem à família, à sociedade e ao poder público o dever de assegurar os "
         "direitos da criança e do adolescente com absoluta prioridade. A expressão não é "
         "retórica: ela orienta a leitura de todas as demais normas do sistema.",
         "Na prática, a prioridade absoluta significa primazia de proteção e socorro, "
         "precedência no atendimento dos serviços públicos, preferência na formulação das "
         "políticas sociais e destinação privilegiada de recursos. Quando duas leituras de uma "
         "norma são possíveis, deve prevalecer a que melhor realiza o interesse da criança.",
         "Para quem atua no sistema de justiça, o princípio tem consequências concretas: prazos "
         "mais curtos, escuta qualificada, decisões fundamentadas no caso concreto e atenção à "
         "condição peculiar de pessoa em desenvolvimento.",
     ]),
    (102, "Ética e sigilo no atendimento a crianças e adolescentes (amostra)",
     "Émerson Lima Bastos", "A01 A02 A08 A12",
     "ética sigilo atendimento privacidade intimidade conselho tutelar rede de proteção", [
         "Profissionais que atendem crianças e adolescentes têm acesso a informações sensíveis: "
         "histórico familiar, saúde, situações de violência. O cuidado com esses dados é parte "
         "do direito ao respeito, que inclui a preservação da imagem, da identidade e da "
         "intimidade.",
         "Algumas regras simples ajudam no dia a dia:",
         "- registrar apenas o necessário;",
         "- compartilhar informações somente com quem precisa delas para agir;",
         "- evitar a exposição do nome e da imagem em documentos públicos;",
         "- explicar à criança, em linguagem adequada à idade, o que será feito com o que ela "
         "contou.",
         "O sigilo não pode, porém, servir de obstáculo à proteção. Diante de suspeita de "
         "maus-tratos, a comunicação ao Conselho Tutelar é obrigatória, e a rede deve trabalhar "
         "de forma articulada para não submeter a criança a relatos repetidos.",
     ]),
    (103, "Saúde da gestante e proteção do nascituro (amostra)",
     "Beatriz Nogueira Sales", "A01 A02 A04 F01",
     "gestante nascituro pré-natal parto puerpério saúde materna entrega adoção", [
         "O Estatuto assegura às gestantes nutrição adequada, atenção humanizada à gravidez, ao "
         "parto e ao puerpério e atendimento pré-natal, perinatal e pós-natal no âmbito do "
         "Sistema Único de Saúde. Proteger a gestante é a primeira forma de proteger a criança.",
         "Por isso a rede de saúde deve garantir a vinculação da gestante ao local do parto, o "
         "acompanhamento psicológico quando necessário e o encaminhamento à assistência social "
         "nos casos de vulnerabilidade.",
         "Atenção especial é devida à gestante ou mãe que manifesta interesse em entregar o "
         "filho para adoção: ela deve ser encaminhada, sem constrangimento, à Justiça da "
         "Infância e da Juventude, que oferecerá escuta e acompanhamento.",
     ]),
    (104, "Primeira infância e o direito à creche (amostra)",
     "Denise Carvalho Rangel", "A01 A02 A05 F06",
     "primeira infância creche pré-escola educação infantil vaga", [
         "A educação infantil é a primeira etapa da educação básica. Para as crianças de até "
         "cinco anos, o atendimento em creche e pré-escola é direito da criança e dever do poder "
         "público, e não simples benefício concedido à família que trabalha.",
         "A falta de vagas costuma chegar ao Judiciário em pedidos individuais e em ações "
         "coletivas. Os pedidos individuais resolvem o caso concreto; as ações coletivas, quando "
         "bem instruídas com dados de demanda e de oferta, permitem planejar a expansão da rede.",
         "Ao decidir, convém observar a proximidade da unidade em relação à residência da "
         "criança, o período de atendimento compatível com as necessidades da família e a "
         "qualidade do serviço oferecido.",
     ]),
    (105, "Acolhimento familiar e reintegração: notas de prática (amostra)",
     "Helena Vasconcelos Prado", "A01 A02 A06 A10 F06",
     "acolhimento familiar institucional reintegração família extensa plano individual", [
         "O acolhimento, familiar ou institucional, é medida provisória e excepcional. Desde o "
         "primeiro dia, o trabalho deve mirar a reintegração à família de origem ou, quando isso "
         "não for possível, a colocação em família substituta.",
         "O plano individual de atendimento organiza esse trabalho: registra o que a equipe sabe "
         "sobre a família, as metas combinadas e os prazos. Reavaliações periódicas, com a "
         "participação do Ministério Público, da defesa e da equipe técnica, evitam que a "
         "criança permaneça acolhida por mais tempo que o necessário.",
         "Sempre que possível, a preferência é o acolhimento em família acolhedora, que oferece "
         "cuidado individualizado, sobretudo para bebês e crianças pequenas.",
     ]),
    (106, "Trabalho infantil e aprendizagem: distinções necessárias (amostra)",
     "Álvaro Mendes Tavares", "A01 A02 A07 F16",
     "trabalho infantil aprendiz aprendizagem idade mínima profissionalização", [
         "A Constituição proíbe qualquer trabalho a menores de dezesseis anos, salvo na condição "
         "de aprendiz, a partir dos quatorze. Proíbe também, para menores de dezoito anos, o "
         "trabalho noturno, perigoso ou insalubre.",
         "A aprendizagem é formação técnico-profissional metódica, compatível com o "
         "desenvolvimento do adolescente e com a frequência à escola. Não se confunde com o "
         "trabalho informal em que o adolescente apenas 'ajuda' em troca de pequena "
         "remuneração.",
         "Nos casos de trabalho infantil, a resposta adequada raramente é só punitiva: inclui a "
         "inserção da família em programas sociais, o acompanhamento escolar e, para os "
         "adolescentes, o encaminhamento a programas de aprendizagem.",
     ]),
    (107, "Participação e liberdade de expressão de adolescentes (amostra)",
     "Marta Oliveira Quintela", "A01 A02 A08 F11",
     "participação liberdade opinião expressão escuta grêmio estudantil", [
         "O direito à liberdade compreende, entre outros aspectos, a opinião e a expressão, a "
         "participação na vida familiar e comunitária e a participação na vida política, na "
         "forma da lei.",
         "Ouvir a criança não é concordar com tudo o que ela diz: é levar a sério sua opinião, "
         "considerar sua idade e maturidade e explicar as decisões tomadas. Conselhos escolares, "
         "grêmios estudantis e conferências dos direitos da criança são espaços privilegiados "
         "para isso.",
         "Nos processos judiciais, a oitiva deve ser feita por profissionais preparados, em "
         "ambiente acolhedor, evitando perguntas repetidas e a revitimização.",
     ]),
    (108, "Ato infracional e garantias processuais (amostra)",
     "Carlos Augusto Ferraz", "A01 A02 A09 A10 F16",
     "ato infracional garantias devido processo legal medida socioeducativa internação", [
         "Nenhum adolescente será privado de sua liberdade sem o devido processo legal. O "
         "Estatuto garante o pleno conhecimento da atribuição de ato infracional, a igualdade na "
         "relação processual, a defesa técnica por advogado, a assistência judiciária gratuita, "
         "o direito de ser ouvido pessoalmente pela autoridade competente e o de solicitar a "
         "presença dos pais ou responsável.",
         "A medida socioeducativa deve levar em conta a capacidade do adolescente de cumpri-la, "
         "as circunstâncias e a gravidade da infração. A internação, por ser a mais gravosa, "
         "sujeita-se aos princípios de brevidade, excepcionalidade e respeito à condição "
         "peculiar de pessoa em desenvolvimento.",
         "Decisões bem fundamentadas, que dialogam com o plano individual de atendimento, tendem "
         "a produzir melhores resultados do que a simples repetição de fórmulas.",
     ]),
    (109, "O Ministério Público na tutela coletiva da infância (amostra)",
     "Rui Sampaio Leme", "A01 A02 A03 A11",
     "ministério público promotor inquérito civil ação civil pública recomendação tutela coletiva", [
         "Além de atuar nos processos individuais, o Ministério Público dispõe de instrumentos "
         "para enfrentar violações coletivas: o inquérito civil, a recomendação, o termo de "
         "ajustamento de conduta e a ação civil pública.",
         "A escolha do instrumento depende do caso. A recomendação e o termo de ajustamento "
         "costumam ser mais rápidos quando o gestor está disposto a corrigir a situação; a ação "
         "civil pública é necessária quando a omissão persiste.",
         "Diagnósticos da rede, elaborados com os conselhos de direitos e o Conselho Tutelar, "
         "ajudam a definir prioridades e a medir resultados.",
     ]),
    (110, "Conselhos de direitos e fundos da infância: como funcionam (amostra)",
     "Sônia Regina Albuquerque", "A01 A02 A12",
     "conselho de direitos fundo infância adolescência deliberação controle social orçamento", [
         "Os conselhos dos direitos da criança e do adolescente, nas três esferas de governo, "
         "são órgãos deliberativos e controladores das ações, com participação popular paritária "
         "por meio de organizações representativas.",
         "A cada conselho está vinculado um fundo, que recebe recursos públicos e doações. O "
         "conselho define os critérios de aplicação, aprova os projetos e acompanha a prestação "
         "de contas.",
         "Para funcionar bem, o conselho precisa de estrutura, de capacitação dos conselheiros e "
         "de um plano de ação baseado em diagnóstico da realidade local.",
     ]),
    (111, "O juiz da infância e a rede de proteção (amostra)",
     "Otávio Brandão Reis", "A01 A02 A03 A10",
     "juiz infância juventude rede de proteção equipe interprofissional audiência concentrada", [
         "A Justiça da Infância e da Juventude tem competência definida no Estatuto e conta com "
         "equipe interprofissional para assessorar a autoridade judiciária.",
         "O trabalho do juiz ganha qualidade quando dialoga com a rede: conhecer os serviços "
         "disponíveis no município, os fluxos de encaminhamento e as dificuldades de cada "
         "instituição permite decisões mais realistas.",
         "Audiências concentradas, reuniões periódicas com a rede e o acompanhamento dos "
         "cadastros de acolhimento e de adoção são práticas que reduzem o tempo de permanência "
         "das crianças em serviços de acolhimento.",
     ]),
    (112, "Escola, convivência e prevenção da violência (amostra)",
     "Paula Teixeira Mendonça", "A01 A02 A05 A08 F11",
     "escola convivência bullying intimidação violência prevenção mediação evasão", [
         "A escola é, muitas vezes, o primeiro lugar onde os sinais de violência aparecem. "
         "Professores atentos, que sabem a quem comunicar uma suspeita, são parte essencial da "
         "rede de proteção.",
         "Programas de convivência, mediação de conflitos e práticas restaurativas ajudam a "
         "prevenir a intimidação sistemática entre estudantes e a tratar os conflitos sem "
         "recorrer de imediato à polícia ou ao Judiciário.",
         "Os dirigentes de estabelecimentos de ensino fundamental devem comunicar ao Conselho "
         "Tutelar os casos de maus-tratos envolvendo alunos, a reiteração de faltas "
         "injustificadas e a evasão escolar, esgotados os recursos escolares, e os elevados "
         "níveis de repetência.",
     ]),
    (113, "Defesa técnica de adolescentes: o papel da advocacia (amostra)",
     "Rafael Duarte Cunha", "A01 A02 A09 A13 F16",
     "advocacia defesa técnica defensor defensoria adolescente ato infracional", [
         "O Estatuto é claro: nenhum adolescente a quem se atribua a prática de ato infracional, "
         "ainda que ausente ou foragido, será processado sem defensor. A defesa técnica não é "
         "formalidade; é a garantia de que os fatos serão examinados com cuidado e de que a "
         "medida aplicada será proporcional.",
         "A atuação da defesa começa antes da audiência: entrevistar o adolescente em condições "
         "reservadas, ouvir a família, levantar a situação escolar e de saúde e verificar os "
         "programas em meio aberto que possam ser propostos.",
         "Na execução da medida, a defesa acompanha o plano individual de atendimento e pede a "
         "reavaliação sempre que houver progresso.",
     ]),
]

# --------------------------------------------------------------------------
# Legislação (section B): summaries of international acts and fictional acts

LEGISLACAO = [
    dict(cod=251, aviso="resumo",
         titulo="Convenção sobre os Direitos da Criança - ficha de apresentação (amostra)",
         subtitulo="Nações Unidas, 1989 - promulgada no Brasil pelo Decreto nº 99.710/1990",
         categoria="B01 B05",
         pchave="convenção direitos da criança onu nações unidas tratado internacional decreto 99.710",
         texto=[
             "Esta ficha apresenta a Convenção em poucas linhas; ela não reproduz o texto da "
             "Convenção. O texto oficial em português é o do Decreto nº 99.710, de 21 de "
             "novembro de 1990, publicado no portal do Planalto (veja a página “Links de "
             "Atualização Legislativa”).",
             "## Em resumo",
             "- Adotada pela Assembleia Geral das Nações Unidas em 20 de novembro de 1989.",
             "- Considera criança todo ser humano com menos de dezoito anos, salvo quando, pela "
             "lei aplicável, a maioridade for alcançada antes.",
             "- Tem como princípios gerais a não discriminação, o interesse superior da criança, "
             "o direito à vida e ao desenvolvimento e o respeito à opinião da criança.",
             "- Inspirou a doutrina da proteção integral adotada pelo Estatuto da Criança e do "
             "Adolescente.",
         ]),
    dict(cod=252, aviso="resumo",
         titulo="Regras de Beijing - ficha de apresentação (amostra)",
         subtitulo="Regras Mínimas das Nações Unidas para a Administração da Justiça da "
                   "Infância e da Juventude, 1985",
         categoria="B01 B11",
         pchave="regras de beijing nações unidas justiça juvenil internacional adolescente",
         texto=[
             "Esta ficha resume as Regras em poucas linhas; ela não reproduz o seu texto.",
             "As Regras Mínimas das Nações Unidas para a Administração da Justiça da Infância e "
             "da Juventude, conhecidas como Regras de Beijing, foram adotadas pela Assembleia "
             "Geral em 1985. Não são um tratado, mas orientam a interpretação das normas sobre "
             "adolescentes a quem se atribui a prática de infração.",
             "Entre as ideias centrais estão a proporcionalidade da resposta ao ato praticado, o "
             "uso da privação de liberdade apenas como último recurso e pelo menor tempo "
             "possível, a proteção da privacidade do jovem e a especialização dos profissionais.",
         ]),
    dict(cod=253,
         titulo="Lei estadual de amostra - programa de acolhimento familiar",
         subtitulo="Estado de Exemplo (unidade fictícia) - Lei de Amostra nº 1, de 2019",
         categoria="B03 B08 F06",
         pchave="lei estadual acolhimento familiar família acolhedora programa municípios",
         texto=[
             "=: LEI ESTADUAL DE AMOSTRA Nº 1, DE 2019",
             "Institui, no Estado de Exemplo, o Programa Estadual Família Acolhedora.",
             "Art. 1º Fica instituído o Programa Estadual Família Acolhedora, destinado a apoiar "
             "os Municípios na implantação de serviços de acolhimento em família acolhedora para "
             "crianças e adolescentes afastados do convívio familiar por decisão judicial.",
             "Art. 2º O Estado prestará apoio técnico e financeiro aos Municípios, com prioridade "
             "para os que ainda não dispõem do serviço.",
             "Art. 3º As famílias acolhedoras serão selecionadas, capacitadas e acompanhadas por "
             "equipe técnica do serviço municipal.",
             "Art. 4º Esta Lei entra em vigor na data de sua publicação.",
         ]),
    dict(cod=254,
         titulo="Lei estadual de amostra - semana de prevenção ao trabalho infantil",
         subtitulo="Estado de Exemplo (unidade fictícia) - Lei de Amostra nº 2, de 2019",
         categoria="B03 B09",
         pchave="lei estadual trabalho infantil semana prevenção erradicação campanha",
         texto=[
             "=: LEI ESTADUAL DE AMOSTRA Nº 2, DE 2019",
             "Institui, no Estado de Exemplo, a Semana Estadual de Prevenção e Erradicação do "
             "Trabalho Infantil.",
             "Art. 1º Fica instituída a Semana Estadual de Prevenção e Erradicação do Trabalho "
             "Infantil, realizada anualmente na semana que incluir o dia 12 de junho.",
             "Art. 2º Durante a Semana, os órgãos estaduais promoverão campanhas educativas em "
             "escolas, feiras e terminais de transporte, em parceria com os Municípios e com a "
             "sociedade civil.",
             "Art. 3º Esta Lei entra em vigor na data de sua publicação.",
         ]),
    dict(cod=255,
         titulo="Resolução de amostra - parâmetros para conselhos municipais de direitos",
         subtitulo="Ato normativo federal fictício, para demonstração",
         categoria="B04 B14",
         pchave="resolução conselho municipal direitos parâmetros funcionamento ato normativo",
         texto=[
             "=: RESOLUÇÃO DE AMOSTRA Nº 1, DE 2019",
             "Dispõe sobre parâmetros para a criação e o funcionamento dos conselhos municipais "
             "dos direitos da criança e do adolescente.",
             "Art. 1º Os conselhos municipais dos direitos da criança e do adolescente serão "
             "compostos paritariamente por representantes do poder público e da sociedade civil.",
             "Art. 2º O poder público municipal assegurará ao conselho espaço físico, "
             "equipamentos e pessoal de apoio adequados ao seu funcionamento.",
             "Art. 3º O conselho elaborará plano de ação anual, com base em diagnóstico da "
             "situação da infância e da adolescência no Município.",
             "Art. 4º Esta Resolução entra em vigor na data de sua publicação.",
         ]),
    dict(cod=256,
         titulo="Portaria de amostra - atendimento à gestante adolescente",
         subtitulo="Ato normativo federal fictício, para demonstração",
         categoria="B04 B06 F01 F16",
         pchave="portaria gestante adolescente pré-natal atendimento saúde escola",
         texto=[
             "=: PORTARIA DE AMOSTRA Nº 2, DE 2019",
             "Estabelece orientações para o atendimento integral à gestante adolescente na rede "
             "pública de saúde.",
             "Art. 1º A gestante adolescente terá garantido o início do pré-natal tão logo "
             "confirmada a gravidez, com acolhimento por equipe multiprofissional.",
             "Art. 2º O atendimento observará o direito à privacidade, à informação e à "
             "continuidade dos estudos, devendo a unidade de saúde articular-se com a escola e "
             "com a assistência social.",
             "Art. 3º Esta Portaria entra em vigor na data de sua publicação.",
         ]),
]

# --------------------------------------------------------------------------
# Julgados (sections C and H): fictional decisions

FICTION_LINE = ("Decisão redigida apenas para demonstração do programa; não corresponde a "
                "processo real.")


def decision(court, classe, orgao, ementa, items):
    return ["%s - decisão fictícia de amostra" % court,
            "Classe: %s (exemplo). Órgão julgador: %s (exemplo)." % (classe, orgao),
            "Ementa: " + ementa] + items + [FICTION_LINE]


JULGADOS = [
    dict(cod=320, sessao="C",
         titulo="STF - Educação infantil como dever do Estado (amostra)",
         subtitulo="Supremo Tribunal Federal - decisão fictícia de amostra",
         categoria="C12 C03 F06",
         pchave="stf supremo tribunal federal educação infantil creche pré-escola dever do estado",
         texto=decision(
             "Supremo Tribunal Federal", "Recurso Extraordinário", "Plenário",
             "Direito constitucional. Educação infantil. Atendimento em creche e pré-escola a "
             "crianças de até cinco anos de idade. Dever do Estado. Art. 208, IV, da "
             "Constituição Federal.",
             ["1. A educação infantil é direito fundamental de toda criança, exigível do poder "
              "público, e não mera faculdade da Administração.",
              "2. O Poder Judiciário pode determinar a efetivação desse direito quando "
              "demonstrada a omissão do ente responsável.",
              "3. Recurso a que se nega provimento."])),
    dict(cod=321, sessao="C",
         titulo="TST - Trabalho noturno de adolescente aprendiz (amostra)",
         subtitulo="Tribunal Superior do Trabalho - decisão fictícia de amostra",
         categoria="C14 C05 F16",
         pchave="tst tribunal superior do trabalho aprendiz trabalho noturno adolescente",
         texto=decision(
             "Tribunal Superior do Trabalho", "Recurso de Revista", "Turma",
             "Aprendizagem. Adolescente submetido a jornada noturna. Vedação constitucional ao "
             "trabalho noturno, perigoso ou insalubre de menores de dezoito anos. Art. 7º, "
             "XXXIII, da Constituição Federal e art. 67, I, do ECA.",
             ["1. A proibição de trabalho noturno ao menor de dezoito anos é norma de proteção "
              "integral, que não admite flexibilização por acordo entre as partes.",
              "2. Devidas as diferenças decorrentes e a adequação da jornada ao horário escolar "
              "do aprendiz.",
              "3. Recurso conhecido e provido."])),
    dict(cod=322, sessao="C",
         titulo="TRF - Benefício assistencial a criança com deficiência (amostra)",
         subtitulo="Tribunal Regional Federal - decisão fictícia de amostra",
         categoria="C15 C02 F06",
         pchave="trf tribunal regional federal benefício assistencial prestação continuada "
                "criança deficiência",
         texto=decision(
             "Tribunal Regional Federal", "Apelação Cível", "Turma",
             "Assistência social. Benefício de prestação continuada. Criança com deficiência. "
             "Avaliação da deficiência e da vulnerabilidade social da família.",
             ["1. A deficiência da criança deve ser avaliada considerando a limitação no "
              "desempenho de atividades e a restrição da participação social compatíveis com a "
              "idade.",
              "2. Comprovada a situação de vulnerabilidade do grupo familiar, é devido o "
              "benefício.",
              "3. Apelação desprovida."])),
    dict(cod=323, sessao="C",
         titulo="TRT - Aprendizagem e frequência escolar (amostra)",
         subtitulo="Tribunal Regional do Trabalho - decisão fictícia de amostra",
         categoria="C16 C05 C03 F16",
         pchave="trt tribunal regional do trabalho aprendizagem frequência escolar jornada",
         texto=decision(
             "Tribunal Regional do Trabalho", "Recurso Ordinário", "Turma",
             "Contrato de aprendizagem. Exigência de matrícula e frequência à escola. Jornada "
             "incompatível com o horário escolar. Descaracterização da aprendizagem.",
             ["1. O contrato de aprendizagem pressupõe a compatibilidade da jornada com a "
              "frequência do adolescente à escola.",
              "2. Verificado que a jornada impedia a frequência às aulas, fica descaracterizada a "
              "aprendizagem, com as consequências legais.",
              "3. Recurso parcialmente provido."])),
    dict(cod=324, sessao="C",
         titulo="Decisão monocrática - tutela de urgência para tratamento de saúde (amostra)",
         subtitulo="Tribunal de Justiça (exemplo) - decisão monocrática fictícia de amostra",
         categoria="C11 C02 F06",
         pchave="decisão monocrática tutela de urgência saúde fisioterapia agravo",
         texto=[
             "Tribunal de Justiça (exemplo) - decisão monocrática fictícia de amostra",
             "Classe: Agravo de Instrumento (exemplo). Relator: Desembargador (exemplo).",
             "Trata-se de agravo contra decisão que indeferiu tutela de urgência para o "
             "fornecimento de sessões de fisioterapia a criança com paralisia cerebral.",
             "Presentes a probabilidade do direito, amparado nos arts. 7º e 11 do ECA, e o "
             "perigo de dano, pois a interrupção do tratamento compromete o desenvolvimento "
             "motor da criança, defiro a antecipação da tutela recursal.",
             "Comunique-se ao juízo de origem. Intime-se a parte agravada para resposta.",
             FICTION_LINE,
         ]),
    dict(cod=325, sessao="C",
         titulo="Turma Recursal - vídeo de criança em grupo de mensagens (amostra)",
         subtitulo="Turma Recursal (exemplo) - decisão fictícia de amostra",
         categoria="C43 C06",
         pchave="turma recursal imagem criança grupo de mensagens dano moral respeito",
         texto=decision(
             "Turma Recursal", "Recurso Inominado", "Turma Recursal",
             "Responsabilidade civil. Divulgação, em grupo de mensagens de condomínio, de vídeo "
             "que expunha criança a situação vexatória. Violação do direito ao respeito e à "
             "imagem. Arts. 17 e 18 do ECA. Dano moral configurado.",
             ["1. A inviolabilidade da imagem da criança alcança também a divulgação em grupos "
              "privados de mensagens, pela facilidade de propagação do conteúdo.",
              "2. Indenização fixada com moderação, considerada a retirada imediata do vídeo.",
              "3. Recurso desprovido."])),
    dict(cod=401, sessao="H",
         titulo="Decisão monocrática - matrícula em escola próxima à residência (amostra)",
         subtitulo="Juízo da Infância e da Juventude (exemplo) - decisão fictícia",
         categoria="H01 C11 C03",
         pchave="decisão monocrática liminar matrícula escola próxima residência transporte escolar",
         texto=[
             "Juízo da Infância e da Juventude (exemplo) - decisão monocrática fictícia de amostra",
             "Vistos. A mãe da criança relata que a única vaga oferecida pela rede municipal "
             "fica a mais de dez quilômetros da residência, sem transporte escolar.",
             "O art. 53, V, do ECA assegura à criança o acesso à escola pública e gratuita "
             "próxima de sua residência. Presentes os requisitos, defiro a liminar para "
             "determinar ao Município que efetue a matrícula em unidade próxima ou, na "
             "impossibilidade, forneça transporte escolar gratuito, no prazo de cinco dias.",
             "Intimem-se. Ciência ao Ministério Público.",
             FICTION_LINE,
         ]),
    dict(cod=402, sessao="H",
         titulo="Decisão monocrática - visitas assistidas em ambiente protegido (amostra)",
         subtitulo="Tribunal de Justiça (exemplo) - decisão fictícia",
         categoria="H01 C11 C04",
         pchave="decisão monocrática visitas assistidas convivência estudo psicossocial efeito suspensivo",
         texto=[
             "Tribunal de Justiça (exemplo) - decisão monocrática fictícia de amostra",
             "Trata-se de pedido de efeito suspensivo contra decisão que ampliou as visitas "
             "paternas antes da conclusão do estudo psicossocial.",
             "Diante da notícia de conflito grave entre os genitores e da ausência de avaliação "
             "técnica, mostra-se prudente manter, por ora, as visitas assistidas em ambiente "
             "protegido, preservando-se o vínculo da criança com o pai.",
             "Defiro em parte o pedido. Requisite-se a conclusão do estudo no prazo de trinta "
             "dias.",
             FICTION_LINE,
         ]),
    dict(cod=403, sessao="H",
         titulo="Decisão monocrática - excesso de prazo na internação provisória (amostra)",
         subtitulo="Tribunal de Justiça (exemplo) - decisão fictícia",
         categoria="H01 C11 C07 F16",
         pchave="decisão monocrática habeas corpus internação provisória excesso de prazo liminar",
         texto=[
             "Tribunal de Justiça (exemplo) - decisão monocrática fictícia de amostra",
             "Habeas corpus em favor de adolescente mantido em internação provisória além do "
             "prazo de quarenta e cinco dias previsto no art. 108 do ECA.",
             "O prazo legal é improrrogável. Constatado o excesso, defiro a liminar para "
             "determinar a imediata liberação do adolescente, com a aplicação de liberdade "
             "assistida até o julgamento.",
             "Comunique-se com urgência. Dê-se vista ao Ministério Público.",
             FICTION_LINE,
         ]),
]

# One generic decision per state court, from ten theme templates.
THEMES = {
    "prioridade": dict(
        titulo="Prioridade absoluta na tramitação de processo de acolhimento",
        codes="C01 C08", classe="Agravo de Instrumento", orgao="Câmara Cível",
        words="prioridade absoluta tramitação acolhimento",
        ementa="Direito da criança e do adolescente. Prioridade absoluta. Tramitação "
               "preferencial de processo que envolve criança em acolhimento institucional. "
               "Art. 227 da Constituição Federal e art. 4º, parágrafo único, do ECA.",
        items=["1. A garantia de prioridade compreende a precedência de atendimento nos "
               "serviços públicos ou de relevância pública, aí incluída a prestação "
               "jurisdicional.",
               "2. A demora injustificada na definição da situação jurídica da criança prolonga "
               "o acolhimento e contraria a proteção integral.",
               "3. Recurso provido para determinar a tramitação prioritária do feito."]),
    "saude": dict(
        titulo="Fornecimento de medicamento a criança",
        codes="C02", classe="Apelação Cível", orgao="Câmara de Direito Público",
        words="saúde medicamento sus criança",
        ementa="Direito à saúde. Criança com doença crônica. Fornecimento de medicamento pelo "
               "poder público. Arts. 7º e 11 do ECA.",
        items=["1. A criança tem direito a proteção à vida e à saúde, mediante políticas sociais "
               "públicas que permitam o seu desenvolvimento sadio e harmonioso.",
               "2. Comprovadas por laudo médico a necessidade do medicamento e a ineficácia das "
               "alternativas da rede pública, é devido o fornecimento.",
               "3. Apelação desprovida."]),
    "educacao": dict(
        titulo="Vaga em creche próxima à residência",
        codes="C03", classe="Apelação Cível", orgao="Câmara de Direito Público",
        words="educação infantil creche vaga",
        ementa="Direito à educação infantil. Vaga em creche próxima à residência da criança. "
               "Art. 208, IV, da Constituição Federal e arts. 53, V, e 54, IV, do ECA.",
        items=["1. O atendimento em creche e pré-escola às crianças de zero a cinco anos é dever "
               "do Município, exigível judicialmente.",
               "2. A vaga deve ser oferecida em unidade próxima à residência ou, não sendo "
               "possível, com transporte escolar gratuito.",
               "3. Recurso desprovido."]),
    "familia": dict(
        titulo="Convivência familiar e visitas dos avós",
        codes="C04", classe="Apelação Cível", orgao="Câmara Cível",
        words="convivência familiar visitas avós",
        ementa="Direito à convivência familiar. Regulamentação de visitas dos avós. Interesse "
               "superior da criança. Art. 19 do ECA.",
        items=["1. A convivência com a família extensa integra o direito da criança à "
               "convivência familiar e comunitária.",
               "2. O estudo psicossocial que recomenda a ampliação gradual das visitas deve "
               "orientar a decisão.",
               "3. Recurso parcialmente provido."]),
    "trabalho": dict(
        titulo="Trabalho de adolescentes em estabelecimento comercial",
        codes="C05", classe="Apelação Cível", orgao="Câmara Cível",
        words="trabalho infantil comércio aprendiz",
        ementa="Ação civil pública. Proibição do trabalho infantil. Adolescentes em atividade "
               "comercial fora da condição de aprendiz. Art. 7º, XXXIII, da Constituição "
               "Federal e art. 60 do ECA.",
        items=["1. É proibido qualquer trabalho a menores de dezesseis anos, salvo na condição "
               "de aprendiz, a partir dos quatorze anos.",
               "2. A alegação de que os adolescentes apenas 'ajudavam' no estabelecimento não "
               "afasta a proibição quando presentes habitualidade e contraprestação.",
               "3. Mantida a condenação à obrigação de não fazer e ao pagamento de indenização "
               "revertida ao fundo dos direitos da criança e do adolescente."]),
    "dignidade": dict(
        titulo="Exposição da imagem de adolescente em rede social",
        codes="C06", classe="Apelação Cível", orgao="Câmara Cível",
        words="imagem rede social dano moral respeito dignidade",
        ementa="Direito ao respeito e à dignidade. Divulgação de imagem de adolescente em "
               "situação vexatória em rede social. Arts. 17 e 18 do ECA. Dano moral.",
        items=["1. O direito ao respeito abrange a preservação da imagem e da identidade da "
               "criança e do adolescente.",
               "2. A exposição pública, sem autorização e em situação constrangedora, gera o "
               "dever de indenizar.",
               "3. Recurso desprovido."]),
    "ato": dict(
        titulo="Internação provisória além do prazo legal",
        codes="C07", classe="Habeas Corpus", orgao="Câmara Criminal",
        words="ato infracional internação provisória prazo habeas corpus",
        ementa="Ato infracional. Internação provisória. Prazo máximo de quarenta e cinco "
               "dias. Art. 108 do ECA. Excesso de prazo.",
        items=["1. A internação antes da sentença pode ser determinada pelo prazo máximo de "
               "quarenta e cinco dias, que não admite prorrogação.",
               "2. Configurado o excesso, impõe-se a liberação do adolescente, sem prejuízo da "
               "aplicação de medida em meio aberto.",
               "3. Ordem concedida."]),
    "mp": dict(
        titulo="Legitimidade do Ministério Público em ação civil pública",
        codes="C09", classe="Apelação Cível", orgao="Câmara Cível",
        words="ministério público ação civil pública legitimidade acolhimento",
        ementa="Ação civil pública. Ministério Público. Legitimidade ativa para a defesa de "
               "interesses coletivos de crianças e adolescentes. Art. 201, V, do ECA. "
               "Implantação de serviço de acolhimento.",
        items=["1. O Ministério Público tem legitimidade para promover a ação civil pública em "
               "defesa dos interesses individuais, difusos ou coletivos relativos à infância e "
               "à adolescência.",
               "2. A ausência de serviço de acolhimento no Município viola o direito à "
               "convivência familiar e comunitária das crianças afastadas da família.",
               "3. Sentença de procedência mantida."]),
    "conselho": dict(
        titulo="Estrutura mínima do Conselho Tutelar",
        codes="C10", classe="Apelação Cível", orgao="Câmara de Direito Público",
        words="conselho tutelar estrutura orçamento município",
        ementa="Conselho Tutelar. Estrutura mínima de funcionamento. Previsão de recursos na "
               "lei orçamentária municipal. Art. 134, parágrafo único, do ECA.",
        items=["1. Cabe ao Município prever no orçamento os recursos necessários ao "
               "funcionamento do Conselho Tutelar.",
               "2. A falta de veículo, telefone e sede adequada compromete o exercício das "
               "atribuições do art. 136 do ECA.",
               "3. Recurso desprovido."]),
    "advocacia": dict(
        titulo="Audiência de apresentação sem defensor",
        codes="C44", classe="Apelação", orgao="Câmara Criminal",
        words="defesa técnica defensor advogado audiência de apresentação nulidade",
        ementa="Ato infracional. Audiência de apresentação realizada sem defensor. Nulidade. "
               "Arts. 111, III, e 207 do ECA.",
        items=["1. Nenhum adolescente a quem se atribua a prática de ato infracional será "
               "processado sem defensor.",
               "2. A ausência de defesa técnica em ato processual relevante acarreta nulidade.",
               "3. Recurso provido para anular o processo a partir da audiência de "
               "apresentação."]),
}

# (state, court acronym, court, category code, theme), in the order of the tree
STATES = [
    ("AC", "TJAC", "Tribunal de Justiça do Estado do Acre", "C17", "educacao"),
    ("AL", "TJAL", "Tribunal de Justiça do Estado de Alagoas", "C18", "saude"),
    ("AP", "TJAP", "Tribunal de Justiça do Estado do Amapá", "C19", "familia"),
    ("AM", "TJAM", "Tribunal de Justiça do Estado do Amazonas", "C20", "ato"),
    ("BA", "TJBA", "Tribunal de Justiça do Estado da Bahia", "C21", "trabalho"),
    ("CE", "TJCE", "Tribunal de Justiça do Estado do Ceará", "C22", "dignidade"),
    ("DF", "TJDFT", "Tribunal de Justiça do Distrito Federal e dos Territórios", "C23", "prioridade"),
    ("ES", "TJES", "Tribunal de Justiça do Estado do Espírito Santo", "C24", "conselho"),
    ("GO", "TJGO", "Tribunal de Justiça do Estado de Goiás", "C25", "mp"),
    ("MA", "TJMA", "Tribunal de Justiça do Estado do Maranhão", "C26", "educacao"),
    ("MT", "TJMT", "Tribunal de Justiça do Estado de Mato Grosso", "C27", "saude"),
    ("MS", "TJMS", "Tribunal de Justiça do Estado de Mato Grosso do Sul", "C28", "familia"),
    ("MG", "TJMG", "Tribunal de Justiça do Estado de Minas Gerais", "C29", "ato"),
    ("PA", "TJPA", "Tribunal de Justiça do Estado do Pará", "C30", "trabalho"),
    ("PB", "TJPB", "Tribunal de Justiça do Estado da Paraíba", "C31", "dignidade"),
    ("PE", "TJPE", "Tribunal de Justiça do Estado de Pernambuco", "C44", "advocacia"),
    ("PR", "TJPR", "Tribunal de Justiça do Estado do Paraná", "C32", "prioridade"),
    ("PI", "TJPI", "Tribunal de Justiça do Estado do Piauí", "C33", "conselho"),
    ("RJ", "TJRJ", "Tribunal de Justiça do Estado do Rio de Janeiro", "C34", "mp"),
    ("RN", "TJRN", "Tribunal de Justiça do Estado do Rio Grande do Norte", "C35", "educacao"),
    ("RS", "TJRS", "Tribunal de Justiça do Estado do Rio Grande do Sul", "C36", "familia"),
    ("RO", "TJRO", "Tribunal de Justiça do Estado de Rondônia", "C37", "saude"),
    ("RR", "TJRR", "Tribunal de Justiça do Estado de Roraima", "C38", "ato"),
    ("SC", "TJSC", "Tribunal de Justiça do Estado de Santa Catarina", "C39", "dignidade"),
    ("SP", "TJSP", "Tribunal de Justiça do Estado de São Paulo", "C40", "trabalho"),
    ("SE", "TJSE", "Tribunal de Justiça do Estado de Sergipe", "C41", "conselho"),
    ("TO", "TJTO", "Tribunal de Justiça do Estado do Tocantins", "C42", "mp"),
]


def state_cards():
    cards = []
    for n, (uf, sigla, court, code, theme) in enumerate(STATES):
        t = THEMES[theme]
        codes = code if code in t["codes"].split() else code + " " + t["codes"]
        cards.append(dict(
            cod=341 + n, sessao="C",
            titulo="%s - %s (amostra)" % (sigla, t["titulo"]),
            subtitulo="%s - decisão fictícia de amostra" % court,
            categoria=codes,
            pchave="tribunal de justiça %s %s %s" % (uf.lower(), sigla.lower(), t["words"]),
            texto=decision(court, t["classe"], t["orgao"], t["ementa"], t["items"])))
    return cards


# --------------------------------------------------------------------------
# Experiências (section D)

EXPERIENCIAS = [
    dict(cod=501, titulo="Água potável nas escolas (amostra)",
         subtitulo="Programa municipal fictício - saúde e educação",
         categoria="D01 D04 D05 B06",
         pchave="água potável escola saúde caixa d'água bebedouro vigilância sanitária programa",
         texto=[
             "Programa fictício de amostra, apresentado como exemplo de ação intersetorial entre "
             "saúde e educação.",
             "## Objetivo",
             "Garantir água potável em todas as escolas da rede municipal, com bebedouros em "
             "número suficiente, limpeza semestral da caixa d'água e análise periódica da "
             "qualidade da água.",
             "## Como funciona",
             "- A vigilância sanitária visita cada escola no início do ano letivo e registra a "
             "situação dos reservatórios.",
             "- A secretaria de educação contrata a limpeza das caixas d'água e a troca dos "
             "filtros.",
             "- O conselho escolar acompanha o cronograma e avisa a secretaria quando a falta "
             "d'água ameaçar a realização das aulas.",
             "## Resultados esperados",
             "Menos casos de doenças de veiculação hídrica entre os alunos e nenhum dia letivo "
             "perdido por falta de água.",
         ]),
    dict(cod=502, titulo="Família Acolhedora: programa municipal (amostra)",
         subtitulo="Programa municipal fictício - acolhimento familiar",
         categoria="D01 D06 D12 F06",
         pchave="família acolhedora acolhimento familiar programa municipal fundo",
         texto=[
             "Programa fictício de amostra.",
             "O serviço de acolhimento em família acolhedora seleciona, capacita e acompanha "
             "famílias da comunidade que recebem, temporariamente, crianças e adolescentes "
             "afastados da família de origem por decisão judicial.",
             "## Etapas",
             "- divulgação e cadastro das famílias interessadas;",
             "- avaliação psicossocial e capacitação inicial;",
             "- acolhimento, com visitas regulares da equipe técnica;",
             "- trabalho com a família de origem para a reintegração;",
             "- desligamento gradual e acompanhamento posterior.",
             "O programa é mantido com recursos do orçamento municipal e do fundo municipal dos "
             "direitos da criança e do adolescente, conforme deliberação do conselho.",
         ]),
    dict(cod=503, titulo="Manual de escuta protegida de crianças (amostra)",
         subtitulo="Manual fictício - sistema de justiça e rede de proteção",
         categoria="D02 D08 D10",
         pchave="escuta protegida depoimento especial violência manual revitimização",
         texto=[
             "Manual fictício de amostra, com orientações gerais.",
             "## Antes da escuta",
             "Reúna as informações já disponíveis para evitar perguntas repetidas. Prepare uma "
             "sala acolhedora, sem objetos que distraiam ou intimidem, e explique à criança, em "
             "linguagem simples, quem são as pessoas envolvidas e por que ela está ali.",
             "## Durante a escuta",
             "Deixe a criança falar livremente; use perguntas abertas; não sugira respostas; "
             "respeite silêncios e pausas. Interrompa a escuta se a criança demonstrar "
             "sofrimento intenso.",
             "## Depois da escuta",
             "Agradeça a participação, informe os próximos passos e garanta o encaminhamento à "
             "rede de proteção e de saúde.",
         ]),
    dict(cod=504, titulo="Campanha contra o trabalho infantil nas feiras livres (amostra)",
         subtitulo="Campanha fictícia - rede de proteção municipal",
         categoria="D01 D07 F11",
         pchave="campanha trabalho infantil feira livre conscientização",
         texto=[
             "Campanha fictícia de amostra.",
             "Durante quatro semanas, equipes de educadores sociais e conselheiros tutelares "
             "percorreram as feiras livres conversando com feirantes e famílias sobre os riscos "
             "do trabalho infantil.",
             "Em vez de autuar, a campanha priorizou a informação: cartazes, conversas e o "
             "encaminhamento das famílias a programas sociais e a atividades no contraturno "
             "escolar.",
             "Os casos mais graves foram comunicados ao Conselho Tutelar e ao Ministério Público.",
         ]),
    dict(cod=505, titulo="Manual do conselheiro tutelar (amostra)",
         subtitulo="Manual fictício - Conselho Tutelar",
         categoria="D02 D03 D12",
         pchave="conselho tutelar conselheiro manual atribuições requisição medidas de proteção",
         texto=[
             "Manual fictício de amostra.",
             "## O que é o Conselho Tutelar",
             "Órgão permanente e autônomo, não jurisdicional, encarregado pela sociedade de zelar "
             "pelo cumprimento dos direitos da criança e do adolescente.",
             "## Atribuições principais",
             "- atender crianças, adolescentes, pais e responsáveis e aplicar as medidas de "
             "proteção cabíveis;",
             "- requisitar serviços públicos nas áreas de saúde, educação, serviço social, "
             "previdência, trabalho e segurança;",
             "- encaminhar ao Ministério Público notícia de fato que constitua infração "
             "administrativa ou penal contra os direitos da criança ou do adolescente;",
             "- assessorar o Poder Executivo local na elaboração da proposta orçamentária.",
             "## Boas práticas",
             "Registrar todos os atendimentos, decidir de forma colegiada nos casos complexos e "
             "manter contato regular com a rede de atendimento.",
         ]),
    dict(cod=506, titulo="Práticas restaurativas na escola (amostra)",
         subtitulo="Projeto fictício - educação e justiça",
         categoria="D01 D05 D09 F16",
         pchave="justiça restaurativa círculos escola conflito ato infracional",
         texto=[
             "Projeto fictício de amostra.",
             "Estudantes, professores e famílias são preparados para conduzir círculos de "
             "diálogo quando ocorre um conflito na escola. O objetivo é reparar o dano, "
             "responsabilizar sem humilhar e restabelecer a convivência.",
             "Casos que poderiam chegar à delegacia, como pequenas agressões e danos ao "
             "patrimônio escolar, são tratados primeiro no círculo, com registro e "
             "acompanhamento.",
             "Quando há ato infracional grave, o caso segue o fluxo legal, e o círculo pode "
             "complementar a medida socioeducativa.",
         ]),
    dict(cod=507, titulo="Promotoria itinerante da infância (amostra)",
         subtitulo="Projeto fictício - Ministério Público",
         categoria="D01 D03 D11",
         pchave="ministério público promotoria itinerante atendimento comunidade",
         texto=[
             "Projeto fictício de amostra.",
             "Uma vez por mês, a promotoria da infância atende em escolas e centros comunitários "
             "de bairros distantes do fórum. Recebe notícias de violações de direitos, orienta "
             "famílias e agenda reuniões com a rede.",
             "O projeto aproxima o Ministério Público da comunidade e revela problemas coletivos, "
             "como falta de vagas em creche ou de transporte escolar, que depois são tratados por "
             "recomendação ou inquérito civil.",
         ]),
    dict(cod=508, titulo="Núcleo de defesa técnica de adolescentes (amostra)",
         subtitulo="Projeto fictício - advocacia",
         categoria="D01 D09 D13",
         pchave="defesa técnica advocacia núcleo de prática jurídica adolescente ato infracional",
         texto=[
             "Projeto fictício de amostra.",
             "Um núcleo de prática jurídica, em parceria com a defensoria, presta defesa técnica "
             "a adolescentes desde a audiência de apresentação até o fim da execução da medida.",
             "Os estudantes, supervisionados por advogados, entrevistam o adolescente e a "
             "família, levantam a situação escolar e de saúde e propõem medidas em meio aberto "
             "quando adequadas.",
         ]),
    dict(cod=509, titulo="Guia de acompanhamento da gestante e do recém-nascido (amostra)",
         subtitulo="Guia fictício - atenção básica de saúde",
         categoria="D02 D04 F01",
         pchave="gestante recém-nascido pré-natal guia aleitamento vacinação",
         texto=[
             "Guia fictício de amostra.",
             "Orienta as equipes da atenção básica sobre o acompanhamento da gestante, desde a "
             "confirmação da gravidez até a primeira consulta do recém-nascido.",
             "- Iniciar o pré-natal o quanto antes e registrar as consultas na caderneta da "
             "gestante.",
             "- Informar a gestante sobre o local do parto e sobre o direito a acompanhante.",
             "- Agendar a primeira consulta do bebê e orientar sobre o aleitamento materno e a "
             "vacinação.",
             "- Encaminhar à assistência social as famílias em situação de vulnerabilidade.",
         ]),
    dict(cod=510, titulo="Linha do tempo dos direitos da criança no Brasil (amostra)",
         subtitulo="Material didático fictício - oficinas de formação",
         categoria="D02 D03",
         pchave="história linha do tempo código de menores estatuto constituição convenção",
         texto=[
             "Material didático fictício de amostra, para oficinas de formação.",
             "- 1927: primeiro Código de Menores.",
             "- 1979: novo Código de Menores, baseado na doutrina da situação irregular.",
             "- 1988: a Constituição Federal adota, no art. 227, a prioridade absoluta dos "
             "direitos da criança e do adolescente.",
             "- 1989: as Nações Unidas adotam a Convenção sobre os Direitos da Criança.",
             "- 1990: é sancionado o Estatuto da Criança e do Adolescente (Lei nº 8.069/1990).",
             "- 1991: é criado o Conselho Nacional dos Direitos da Criança e do Adolescente, o "
             "CONANDA (Lei nº 8.242/1991).",
             "Sugestão de atividade: peça aos participantes que identifiquem, em cada data, como "
             "a criança era vista pela lei.",
         ]),
]

# --------------------------------------------------------------------------
# Modelos (section E)

_RECOMENDACAO = [
    MODEL_NOTE,
    "=: RECOMENDAÇÃO Nº [número]/[ano]",
    "Ao Conselho Municipal dos Direitos da Criança e do Adolescente de [município].",
    "## Considerandos",
    "Considerando que os recursos do fundo dos direitos da criança e do adolescente devem ser "
    "aplicados conforme as deliberações do conselho, com base em plano de ação e plano de "
    "aplicação;",
    "Considerando a existência de saldo não aplicado no exercício anterior;",
    "## Recomendações",
    "- elaborar, no prazo de [prazo] dias, plano de aplicação dos recursos, priorizando as ações "
    "definidas no diagnóstico municipal;",
    "- publicar edital de chamamento de projetos das entidades registradas;",
    "- divulgar, em sítio oficial, os valores recebidos e aplicados.",
    "[local e data] — [assinatura]",
]
_SPLIT = _RECOMENDACAO.index("## Recomendações")

MODELOS = [
    dict(cod=601, titulo="Ação civil pública para vaga em creche (modelo de amostra)",
         subtitulo="Petição inicial - Ministério Público",
         categoria="E01 E06 E12 F06",
         pchave="ação civil pública creche vaga educação infantil petição inicial",
         texto=[
             MODEL_NOTE,
             "=: EXCELENTÍSSIMO SENHOR JUIZ DE DIREITO DA VARA DA INFÂNCIA E DA JUVENTUDE DA "
             "COMARCA DE [comarca]",
             "O MINISTÉRIO PÚBLICO DO ESTADO DE [estado], por seu Promotor de Justiça, com "
             "fundamento nos arts. 208, 210 e 212 do Estatuto da Criança e do Adolescente, vem "
             "propor AÇÃO CIVIL PÚBLICA em face do MUNICÍPIO DE [município], pelos fatos e "
             "fundamentos a seguir expostos.",
             "## Dos fatos",
             "Levantamento da Secretaria Municipal de Educação aponta [número] crianças de zero a "
             "cinco anos aguardando vaga em creche ou pré-escola, algumas há mais de um ano.",
             "## Do direito",
             "A educação infantil é direito da criança e dever do Estado (art. 208, IV, da "
             "Constituição Federal e art. 54, IV, do ECA), devendo ser oferecida em unidade "
             "próxima da residência (art. 53, V, do ECA).",
             "## Dos pedidos",
             "- a concessão de tutela de urgência para que o Município disponibilize, no prazo de "
             "[prazo], vagas a todas as crianças da lista de espera;",
             "- a apresentação de plano de expansão da rede de educação infantil;",
             "- a fixação de multa diária em caso de descumprimento.",
             "Dá-se à causa o valor de R$ [valor].",
             "[local e data] — [assinatura]",
         ]),
    dict(cod=602, titulo="Ação de alimentos em favor de criança (modelo de amostra)",
         subtitulo="Petição inicial - advocacia e defensoria",
         categoria="E01 E07 E14",
         pchave="ação de alimentos pensão alimentícia petição inicial alimentos provisórios",
         texto=[
             MODEL_NOTE,
             "=: EXCELENTÍSSIMO SENHOR JUIZ DE DIREITO DA VARA DE FAMÍLIA DA COMARCA DE [comarca]",
             "[nome da criança], representada por sua mãe, [nome], por seu advogado, vem propor "
             "AÇÃO DE ALIMENTOS em face de [nome do pai], pelos fatos e fundamentos seguintes.",
             "## Dos fatos",
             "A autora tem [idade] anos e vive com a mãe, que arca sozinha com as despesas de "
             "alimentação, saúde, educação e moradia. O réu trabalha como [profissão] e não "
             "contribui regularmente para o sustento da filha.",
             "## Do direito",
             "O dever de sustento decorre do poder familiar, e os alimentos devem ser fixados na "
             "proporção das necessidades de quem os recebe e dos recursos de quem os paga.",
             "## Dos pedidos",
             "- a fixação de alimentos provisórios em [percentual] dos rendimentos do réu;",
             "- a citação do réu para a audiência de conciliação;",
             "- a procedência do pedido, com a fixação definitiva dos alimentos.",
             "[local e data] — [assinatura]",
         ]),
    dict(cod=603, titulo="Representação por ato infracional (modelo de amostra)",
         subtitulo="Petição inicial - Ministério Público",
         categoria="E01 E10 E12 F16",
         pchave="representação ato infracional ministério público medida socioeducativa",
         texto=[
             MODEL_NOTE,
             "=: EXCELENTÍSSIMO SENHOR JUIZ DE DIREITO DA VARA DA INFÂNCIA E DA JUVENTUDE DA "
             "COMARCA DE [comarca]",
             "O MINISTÉRIO PÚBLICO, com fundamento no art. 182 do Estatuto da Criança e do "
             "Adolescente, oferece REPRESENTAÇÃO em face do adolescente [iniciais], nascido em "
             "[data], pelos fatos a seguir descritos.",
             "## Dos fatos",
             "Em [data], por volta de [hora], em [local], o representado teria praticado conduta "
             "descrita como [conduta], conforme boletim de ocorrência e depoimentos anexos.",
             "## Dos pedidos",
             "- o recebimento da representação e a designação de audiência de apresentação;",
             "- a notificação dos pais ou responsável;",
             "- ao final, a aplicação da medida socioeducativa adequada, considerada a capacidade "
             "do adolescente de cumpri-la.",
             "Rol de testemunhas: [nomes].",
             "[local e data] — [assinatura]",
         ]),
    dict(cod=604, titulo="Apelação em ação de guarda (modelo de amostra)",
         subtitulo="Recurso - advocacia",
         categoria="E02 E07 E14",
         pchave="apelação guarda compartilhada recurso convivência familiar estudo psicossocial",
         texto=[
             MODEL_NOTE,
             "=: RAZÕES DE APELAÇÃO",
             "Apelante: [nome]. Apelado: [nome]. Processo de origem: [número].",
             "## Síntese da demanda",
             "A sentença concedeu a guarda unilateral ao apelado sem considerar o estudo "
             "psicossocial, que recomendava a guarda compartilhada.",
             "## Razões para a reforma",
             "O interesse superior da criança deve orientar a decisão sobre a guarda. O estudo "
             "técnico demonstrou o vínculo afetivo da criança com ambos os genitores e a "
             "capacidade de ambos para o exercício da guarda.",
             "## Pedido",
             "Requer o conhecimento e o provimento do recurso, para que seja fixada a guarda "
             "compartilhada, com residência de referência na casa materna.",
             "[local e data] — [assinatura]",
         ]),
    dict(cod=605, titulo="Parecer do Ministério Público em pedido de adoção (modelo de amostra)",
         subtitulo="Parecer - Ministério Público",
         categoria="E02 E07 E12",
         pchave="parecer adoção ministério público estágio de convivência",
         texto=[
             MODEL_NOTE,
             "=: PARECER",
             "Autos de adoção. Requerentes: [nomes]. Adotando: [iniciais].",
             "Os requerentes estão habilitados e inscritos no cadastro. O estágio de convivência "
             "foi cumprido e acompanhado pela equipe interprofissional, que relata boa adaptação "
             "da criança e vínculo afetivo consolidado.",
             "A criança, ouvida na forma do art. 28, § 1º, do ECA, manifestou o desejo de "
             "permanecer com a família.",
             "Presentes as reais vantagens para o adotando e fundada a medida em motivos "
             "legítimos (art. 43 do ECA), o Ministério Público opina pela procedência do pedido.",
             "[local e data] — [Promotor de Justiça]",
         ]),
    dict(cod=606, titulo="Requisição de atendimento de saúde pelo Conselho Tutelar (modelo de amostra)",
         subtitulo="Requisição - Conselho Tutelar",
         categoria="E02 E05 E13",
         pchave="requisição conselho tutelar atendimento saúde consulta ofício",
         texto=[
             MODEL_NOTE,
             "=: OFÍCIO DE REQUISIÇÃO",
             "Ao Senhor Secretário Municipal de Saúde de [município].",
             "O Conselho Tutelar de [município], no exercício da atribuição prevista no art. "
             "136, III, “a”, do Estatuto da Criança e do Adolescente, REQUISITA o agendamento de "
             "consulta com [especialidade] para a criança [iniciais], nascida em [data], "
             "conforme encaminhamento médico anexo.",
             "Solicita-se resposta no prazo de [prazo] dias, com a data e o local do atendimento.",
             "[local e data] — [conselheiros tutelares]",
         ]),
    dict(cod=607, titulo="Portaria judicial sobre entrada de crianças em evento (modelo de amostra)",
         subtitulo="Portaria - Poder Judiciário",
         categoria="E02 E09 E11",
         pchave="portaria judicial evento espetáculo entrada crianças adolescentes art. 149",
         texto=[
             MODEL_NOTE,
             "=: PORTARIA Nº [número]/[ano]",
             "O Juiz de Direito da Vara da Infância e da Juventude da Comarca de [comarca], com "
             "fundamento no art. 149 do Estatuto da Criança e do Adolescente,",
             "Considerando a realização do evento [nome do evento], de [data] a [data];",
             "Considerando a necessidade de disciplinar, de forma fundamentada e para este caso, "
             "a entrada e a permanência de crianças e adolescentes no local;",
             "RESOLVE:",
             "Art. 1º Crianças menores de [idade] anos somente poderão entrar e permanecer no "
             "evento acompanhadas dos pais ou responsável.",
             "Art. 2º É proibida a venda ou o fornecimento de bebidas alcoólicas a crianças e "
             "adolescentes, devendo os organizadores afixar avisos em locais visíveis.",
             "Art. 3º Esta Portaria vigora durante o período do evento.",
             "[local e data] — [Juiz de Direito]",
         ]),
    dict(cod=608, titulo="Termo de ajustamento de conduta sobre trabalho infantil (modelo de amostra)",
         subtitulo="Termo de ajustamento - Ministério Público",
         categoria="E03 E08 E12",
         pchave="termo de ajustamento de conduta tac trabalho infantil compromisso multa",
         texto=[
             MODEL_NOTE,
             "=: TERMO DE AJUSTAMENTO DE CONDUTA",
             "Compromitente: MINISTÉRIO PÚBLICO. Compromissário: [empresa], inscrita no CNPJ sob "
             "o nº [número].",
             "Considerando a constatação de adolescentes menores de dezesseis anos trabalhando no "
             "estabelecimento, fora da condição de aprendiz, o compromissário assume as seguintes "
             "obrigações:",
             "CLÁUSULA PRIMEIRA - Abster-se de admitir trabalho de menores de dezesseis anos, "
             "salvo na condição de aprendiz, a partir dos quatorze anos.",
             "CLÁUSULA SEGUNDA - Encaminhar os adolescentes identificados, com suas famílias, à "
             "rede de assistência social, custeando [obrigação] pelo prazo de [prazo].",
             "CLÁUSULA TERCEIRA - Em caso de descumprimento, pagar multa de R$ [valor] por "
             "adolescente encontrado em situação irregular, revertida ao fundo dos direitos da "
             "criança e do adolescente.",
             "Este termo tem eficácia de título executivo extrajudicial (art. 211 do ECA).",
             "[local e data] — [assinaturas]",
         ]),
    dict(cod=609, titulo="Termo de cooperação para a rede de proteção (modelo de amostra)",
         subtitulo="Termo de cooperação - conselhos e rede",
         categoria="E03 E04 E13",
         pchave="termo de cooperação rede de proteção fluxo atendimento intersetorial",
         texto=[
             MODEL_NOTE,
             "=: TERMO DE COOPERAÇÃO TÉCNICA",
             "Partícipes: Município de [município], por suas Secretarias de Saúde, Educação e "
             "Assistência Social; Conselho Tutelar; Conselho Municipal dos Direitos da Criança e "
             "do Adolescente.",
             "OBJETO - Estabelecer fluxo integrado de atendimento a crianças e adolescentes "
             "vítimas ou testemunhas de violência, evitando a revitimização.",
             "OBRIGAÇÕES COMUNS - Designar pontos focais; compartilhar informações na medida "
             "necessária à proteção; participar de reuniões mensais de estudo de casos.",
             "VIGÊNCIA - [prazo] meses, prorrogáveis por termo aditivo.",
             "[local e data] — [assinaturas]",
         ]),
    # A card with no text row: it is counted but never listed.
    dict(cod=610, titulo="Convênio com entidade de acolhimento institucional (modelo de amostra)",
         subtitulo="Convênio - conselhos e fundos",
         categoria="E03 E07 E13",
         pchave="convênio entidade acolhimento institucional repasse",
         conteudo=[],
         texto=[
             MODEL_NOTE,
             "=: CONVÊNIO",
             "Partes: Município de [município] e [entidade], inscrita no Conselho Municipal dos "
             "Direitos da Criança e do Adolescente.",
             "CLÁUSULA PRIMEIRA - OBJETO: manutenção de serviço de acolhimento institucional para "
             "até [número] crianças e adolescentes, observados os princípios do art. 92 do ECA.",
             "CLÁUSULA SEGUNDA - OBRIGAÇÕES DA ENTIDADE: observar o plano individual de "
             "atendimento de cada acolhido, manter equipe técnica e enviar relatórios periódicos "
             "à autoridade judiciária.",
             "CLÁUSULA TERCEIRA - REPASSE: R$ [valor] mensais, com recursos do orçamento "
             "municipal.",
             "[local e data] — [assinaturas]",
         ]),
    # A card with two text rows: it is listed twice.
    dict(cod=611, titulo="Recomendação sobre a aplicação do fundo municipal (modelo de amostra)",
         subtitulo="Recomendação - conselhos e fundos",
         categoria="E02 E04 E13",
         pchave="recomendação fundo municipal direitos criança conselho aplicação recursos",
         conteudo=[plain_text(_RECOMENDACAO[:_SPLIT]), plain_text(_RECOMENDACAO[_SPLIT:])],
         texto=_RECOMENDACAO),
    dict(cod=612, titulo="Comunicação da escola ao Conselho Tutelar (modelo de amostra)",
         subtitulo="Comunicação - escola e rede",
         categoria="E01 E09 E13",
         pchave="comunicação notícia conselho tutelar escola maus-tratos faltas evasão",
         texto=[
             MODEL_NOTE,
             "=: COMUNICAÇÃO AO CONSELHO TUTELAR",
             "A direção da Escola [nome], em cumprimento ao art. 56 do Estatuto da Criança e do "
             "Adolescente, comunica a situação do aluno [iniciais], matriculado no [ano], que "
             "apresenta [descrição objetiva dos sinais observados] desde [data].",
             "A escola já tomou as seguintes providências: [conversa com a família, "
             "encaminhamento à saúde etc.].",
             "Solicita-se a avaliação do caso e a adoção das medidas de proteção cabíveis, "
             "ficando a escola à disposição para o trabalho conjunto.",
             "[local e data] — [diretor(a)]",
         ]),
    dict(cod=613, titulo="Defesa prévia em procedimento de ato infracional (modelo de amostra)",
         subtitulo="Defesa - advocacia",
         categoria="E02 E10 E14 F16",
         pchave="defesa prévia ato infracional adolescente advogado defensor meio aberto",
         texto=[
             MODEL_NOTE,
             "=: DEFESA PRÉVIA",
             "O adolescente [iniciais], por seu defensor, nos autos em epígrafe, apresenta DEFESA "
             "PRÉVIA, nos termos do art. 186, § 3º, do Estatuto da Criança e do Adolescente.",
             "## Dos fatos e do adolescente",
             "O adolescente frequenta regularmente a escola, conta com apoio familiar e não "
             "registra passagens anteriores, conforme documentos anexos.",
             "## Do pedido",
             "Requer, em caso de procedência, a aplicação de medida em meio aberto, compatível "
             "com a capacidade do adolescente de cumpri-la (art. 112, § 1º, do ECA), e arrola as "
             "testemunhas abaixo.",
             "[local e data] — [assinatura]",
         ]),
]


def cards():
    """All hand-written cards, each with its section letter."""
    out = []
    for cod, titulo, autor, categoria, pchave, texto in TEXTOS:
        out.append(dict(cod=cod, sessao="A", titulo=titulo, subtitulo=autor,
                        categoria=categoria, pchave=pchave, texto=texto))
    for c in LEGISLACAO:
        out.append(dict(c, sessao="B"))
    out += [dict(c) for c in JULGADOS]
    out += state_cards()
    for c in EXPERIENCIAS:
        out.append(dict(c, sessao="D"))
    for c in MODELOS:
        out.append(dict(c, sessao="E"))
    return sorted(out, key=lambda c: c["cod"])
