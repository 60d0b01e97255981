"""Fixed pages of the sample collection: start page, help, legislative links,
the twelve presentation chapters and the two information pages; and the
SOURCES.md file that says where each document comes from."""

from pagina import CSS, PRINT_SCRIPT, blocks_to_html, esc, page

THEMES = [
    "História, Procedimentos e Princípios do Direito da Criança e do Adolescente",
    "Direito à Vida e à Saúde",
    "Direito à Educação, à Cultura, ao Esporte e ao Lazer",
    "Direito à Convivência Familiar e Comunitária",
    "Proibição do Trabalho Infantil e o Direito à Profissionalização e à Proteção no Trabalho",
    "Direito à Liberdade, Dignidade e Respeito",
    "Ato Infracional e Medidas Sócio-Educativas",
]

SAMPLE_NOTE = ("Coleção de amostra: os textos legais vêm de cópias públicas compiladas em 2019 "
               "e não substituem o texto oficial em vigor; os demais documentos são fictícios, "
               "escritos para demonstração.")

ENTRADA_NOTE = ("Coleção de amostra, para demonstração: textos legais compilados em 2019 "
                "(confira sempre o texto oficial em vigor) e documentos fictícios.")

# --------------------------------------------------------------------------
# Start page: shown in a small panel of the main window (about 490 x 290
# pixels visible, the top 16 and left 8 pixels hidden under the panel edge).

ENTRADA_CSS = """
body.entrada { margin: 0; padding: 24px 48px 0 22px; font-size: 13px; line-height: 1.4;
  overflow: hidden; }
.entrada .faixa { height: 5px; width: 100%; background: rgb(123, 198, 33); margin-bottom: 10px; }
.entrada h1 { margin: 0; font-size: 21px; color: #1f3d06; }
.entrada .lema { margin: 2px 0 9px; color: #467a12; font-weight: bold; font-size: 13px; }
.entrada p { margin: 0 0 8px; }
.entrada ul { list-style: none; margin: 0 0 9px; padding: 0; overflow: hidden; }
.entrada li { float: left; width: 50%; margin: 0 0 2px; font-size: 12.5px; padding-left: 12px; position: relative;
  box-sizing: border-box; }
.entrada li:before { content: ""; position: absolute; left: 0; top: 6px; width: 6px; height: 6px;
  background: rgb(123, 198, 33); }
.entrada .nota { clear: both; margin: 0; padding-top: 6px; border-top: 1px solid #dde9cf;
  font-size: 11px; color: #666; }
"""


def entrada():
    sections = [("Textos", "doutrina por autor e tema"),
                ("Legislação", "normas por tema"),
                ("Julgados", "decisões e súmulas"),
                ("Experiências", "programas e manuais"),
                ("Modelos", "petições e termos"),
                ("Ciclos de Vida", "por faixa de idade")]
    items = "\n".join("<li><b>%s</b> &ndash; %s</li>" % (esc(a), esc(b)) for a, b in sections)
    return "\n".join([
        "<!DOCTYPE html>",
        '<html lang="pt-BR">',
        "<head>",
        '<meta charset="utf-8">',
        "<title>Corvanel</title>",
        "<style>\n%s\n%s\n</style>" % (CSS, ENTRADA_CSS.strip()),
        "<script>%s</script>" % PRINT_SCRIPT,
        "</head>",
        '<body class="entrada">',
        '<div class="faixa"></div>',
        "<h1>Bem-vindo ao Corvanel</h1>",
        '<p class="lema">Acervo de referência sobre os direitos da criança e do adolescente</p>',
        "<p>Escolha uma seção nas abas acima e abra as categorias em <b>Buscar no "
        "Diretório</b>, ou use a <b>Busca Geral</b> para procurar em todo o acervo. Um duplo "
        "clique abre o documento para ler, imprimir ou salvar.</p>",
        "<ul>\n%s\n</ul>" % items,
        '<p class="nota">%s</p>' % esc(ENTRADA_NOTE),
        "</body>",
        "</html>",
    ]) + "\n"


# --------------------------------------------------------------------------
# Help

HELP = [
    "O Corvanel é um acervo de consulta para quem atua na garantia dos direitos da criança e "
    "do adolescente: magistrados, membros do Ministério Público, defensores e advogados, "
    "conselheiros tutelares, assistentes sociais, psicólogos e educadores. Esta página explica "
    "como encontrar, ler, imprimir e guardar os documentos.",
    "## Seções do acervo",
    "As abas da janela principal levam às seções:",
    "- **Textos**: artigos e estudos, por autor, por título e por tema;",
    "- **Legislação**: normas internacionais e nacionais, por tema;",
    "- **Julgados**: súmulas, acórdãos e decisões, por tema, por tribunal e por estado;",
    "- **Experiências**: programas, projetos, campanhas e manuais;",
    "- **Modelos**: petições iniciais, recursos, pareceres, requerimentos e termos de "
    "ajustamento;",
    "- **Ciclos de Vida**: documentos organizados da gestação à adolescência.",
    "A aba **Início** volta à tela de abertura, e o botão **O Lumbra**, no alto, mostra a "
    "apresentação do acervo, com as áreas temáticas e os ciclos de vida.",
    "## Navegar pelas categorias",
    "Em cada seção, a árvore **Buscar no Diretório** mostra as categorias. Um duplo clique em "
    "um título com subdivisões (por exemplo, “Temática” ou “Operadores do Sistema de "
    "Garantia”) abre ou fecha a lista; um duplo clique em uma categoria abre a janela "
    "**Resultados** com os documentos dela, em ordem alfabética de título.",
    "- Em **Textos**, a categoria **Autor** lista os autores; um duplo clique em um nome "
    "mostra os documentos em que ele aparece.",
    "- Em **Julgados**, cada decisão aparece com as primeiras linhas do seu texto, seguidas de "
    "“Clique para visualizar”.",
    "- Em **Legislação**, o item **Links de Atualização Legislativa** abre uma página com os "
    "endereços oficiais das normas, para conferir a redação em vigor.",
    "O botão **Listar lumbra da seção**, à esquerda, lista todos os documentos da seção; ao "
    "lado dele, **Doc. Cadastrados** informa quantos são.",
    "## Buscar por palavras",
    "Dentro de uma seção, digite as palavras em **Buscar por**, escolha, se quiser, um filtro "
    "em **onde** (por exemplo, “Autor” em Textos ou “Nascituro” em Ciclos de Vida) e clique na "
    "lupa ou tecle Enter. Para procurar no acervo inteiro, use o botão **Busca Geral** no alto "
    "da janela principal (ou o menu Pesquisar › Localizar, Ctrl+F).",
    "A busca procura o texto digitado, tal como foi escrito, no título, nas palavras-chave, no "
    "autor ou subtítulo e no conteúdo dos documentos. Por isso:",
    "- prefira uma palavra ou expressão curta (“guarda”, “creche”, “internação provisória”);",
    "- várias palavras são procuradas juntas, na mesma ordem, e não separadamente;",
    "- evite o apóstrofo ('): em vez de d'água, procure por água.",
    "Quando nada é encontrado, o programa avisa “Nenhum documento localizado para sua busca.”",
    "## Trechos",
    "Sob cada documento achado, a lista mostra um trecho do texto em volta das palavras, com "
    "elas em negrito; quando as palavras estão só no título, nas palavras-chave ou no "
    "subtítulo, ela diz onde. Aberto o documento, a marca atual é a do trecho daquela linha, e "
    "F3 segue dali. O menu Exibir › **Trechos** mostra ou esconde os trechos.",
    "## Palavra inteira, ordem e agrupamento",
    "Marque **Palavra inteira**, ao lado da caixa de busca (ou no menu Pesquisar), para achar "
    "as palavras só onde uma palavra começa e termina: “guarda” acha “Guarda”, mas não "
    "“aguardando” nem “guardado”.",
    "No menu Pesquisar, **Ordenar por › Relevância** põe primeiro os documentos com as palavras "
    "no título, depois os que as têm nas palavras-chave, depois os que as repetem mais vezes a "
    "cada mil palavras do texto (título, palavras-chave e subtítulo incluídos); empates ficam "
    "em ordem de título. **Agrupar por documento** "
    "lista cada documento uma vez, com o número de trechos achados, e o abre no melhor deles.",
    "## Refinar e voltar",
    "Na janela aberta pela **Busca Geral**, depois de uma primeira busca, digite novas palavras "
    "e clique em **Buscar Resultados**: a procura se limita aos documentos da lista atual. "
    "Repita quantas vezes quiser para estreitar o resultado.",
    "O botão **Voltar** retorna ao resultado anterior, com as palavras que o produziram. Quando "
    "não há resultado anterior, o programa avisa “Não existem resultados anteriores.”",
    "## Abrir, imprimir e salvar",
    "Na lista de resultados, um duplo clique em qualquer linha de um documento abre o documento "
    "na janela de leitura. Nela, o botão de impressão envia a página à impressora escolhida, e "
    "o botão **salvar** grava uma cópia em seu computador como página da web (arquivo .htm), "
    "para juntar a um processo ou a um relatório.",
    "## Atalhos de teclado",
    "- Ctrl+F: Localizar (janela de busca vazia) · Ctrl+A: Listar Lumbra (todo o acervo);",
    "- Ctrl+H: Início · Ctrl+T: Textos · Ctrl+L: Legislação · Ctrl+J: Julgados;",
    "- Ctrl+E: Experiências · Ctrl+M: Modelos · Ctrl+Alt+A: Ciclos de Vida;",
    "- Ctrl+X: sair do programa.",
    "## Sobre esta coleção",
    SAMPLE_NOTE + " Antes de citar um dispositivo legal, confira a redação vigente na fonte "
    "oficial (veja Legislação › Links de Atualização Legislativa).",
]

# --------------------------------------------------------------------------
# Legislative links (opened in the user's own browser)

LINKS = [
    ("Constituição e leis principais", [
        ("Constituição da República Federativa do Brasil de 1988",
         "https://www.planalto.gov.br/ccivil_03/constituicao/constituicao.htm"),
        ("Lei nº 8.069/1990 - Estatuto da Criança e do Adolescente (ECA)",
         "https://www.planalto.gov.br/ccivil_03/leis/l8069.htm"),
        ("Lei nº 9.394/1996 - Lei de Diretrizes e Bases da Educação Nacional (LDB)",
         "https://www.planalto.gov.br/ccivil_03/leis/l9394.htm"),
        ("Lei nº 8.242/1991 - cria o Conselho Nacional dos Direitos da Criança e do "
         "Adolescente (CONANDA)",
         "https://www.planalto.gov.br/ccivil_03/leis/L8242.htm"),
        ("Decreto nº 99.710/1990 - promulga a Convenção sobre os Direitos da Criança",
         "https://www.planalto.gov.br/ccivil_03/decreto/1990-1994/d99710.htm"),
    ]),
    ("Leis que alteraram ou complementam o ECA", [
        ("Lei nº 12.594/2012 - Sistema Nacional de Atendimento Socioeducativo (SINASE)",
         "https://www.planalto.gov.br/ccivil_03/_Ato2011-2014/2012/Lei/L12594.htm"),
        ("Lei nº 13.257/2016 - Marco Legal da Primeira Infância",
         "https://www.planalto.gov.br/ccivil_03/_Ato2015-2018/2016/Lei/L13257.htm"),
        ("Lei nº 13.431/2017 - escuta especializada e depoimento especial",
         "https://www.planalto.gov.br/ccivil_03/_Ato2015-2018/2017/Lei/L13431.htm"),
        ("Lei nº 13.010/2014 - direito de ser educado sem castigos físicos",
         "https://www.planalto.gov.br/ccivil_03/_Ato2011-2014/2014/Lei/L13010.htm"),
        ("Lei nº 13.509/2017 - adoção, entrega voluntária e acolhimento",
         "https://www.planalto.gov.br/ccivil_03/_Ato2015-2018/2017/Lei/L13509.htm"),
        ("Lei nº 10.406/2002 - Código Civil (poder familiar, guarda, alimentos)",
         "https://www.planalto.gov.br/ccivil_03/leis/2002/L10406.htm"),
    ]),
    ("Pesquisa de normas e de jurisprudência", [
        ("LexML Brasil - pesquisa de legislação e jurisprudência", "https://www.lexml.gov.br/"),
        ("Superior Tribunal de Justiça - súmulas",
         "https://scon.stj.jus.br/SCON/sumstj/toc.jsp"),
        ("Supremo Tribunal Federal", "https://portal.stf.jus.br/"),
    ]),
]


def links_page():
    parts = ["<p>As normas mudam. Use os endereços oficiais abaixo para conferir a redação em "
             "vigor dos textos reunidos na seção Legislação. Os endereços abrem no navegador do "
             "seu computador e exigem conexão com a Internet.</p>"]
    for group, links in LINKS:
        parts.append("<h2>%s</h2>" % esc(group))
        parts.append("<ul>")
        for label, url in links:
            parts.append('<li>%s<br><a href="%s" target="_blank" rel="noopener">%s</a></li>'
                         % (esc(label), url, esc(url)))
        parts.append("</ul>")
    return page("Links de Atualização Legislativa", "\n".join(parts), section="Legislação",
                subtitle="Endereços oficiais para conferir o texto em vigor", footer=True)


# --------------------------------------------------------------------------
# Presentation chapters A01..A12

PRESENTATION = {
    "A01": ("Apresentação", [
        "O Corvanel reúne em um só lugar documentos de referência sobre os direitos da criança e "
        "do adolescente no Brasil: textos doutrinários, legislação, decisões judiciais, "
        "experiências, modelos de peças e textos organizados por ciclo de vida.",
        "O acervo foi pensado para quem trabalha no Sistema de Garantia de Direitos — juízes, "
        "promotores, defensores, advogados, conselheiros tutelares, assistentes sociais, "
        "psicólogos e educadores — e precisa encontrar depressa a norma, a decisão ou o modelo "
        "adequado ao caso.",
        "## Como o acervo está organizado",
        "- **Textos**: estudos e artigos, por autor, título e tema;",
        "- **Legislação**: normas internacionais, federais, estaduais e atos normativos;",
        "- **Julgados**: súmulas, acórdãos e decisões monocráticas, por tema e por tribunal;",
        "- **Experiências**: programas, projetos, campanhas e manuais;",
        "- **Modelos**: petições, recursos, pareceres, termos de ajustamento e convênios;",
        "- **Ciclos de Vida**: uma leitura transversal, da gestação à adolescência.",
        "Em todas as seções os documentos estão classificados pelas mesmas sete áreas "
        "temáticas e pelos operadores do Sistema de Garantia, o que permite passar de uma seção "
        "a outra sem perder o fio.",
        "## Esta coleção de amostra",
        SAMPLE_NOTE,
    ]),
    "A02": ("O Conselho Editorial", [
        "Conselho editorial fictício, criado para esta coleção de amostra. Os nomes abaixo não "
        "correspondem a pessoas reais.",
        "- Coordenação editorial: Lívia Andrade Moura",
        "- Magistratura: Jorge Henrique Paiva",
        "- Ministério Público: Cecília Ramos Viana",
        "- Defensoria e advocacia: Tomás Ferreira Guedes",
        "- Serviço social: Rosângela Pires Amaral",
        "- Psicologia: Fábio Nunes Carvalhal",
        "- Educação: Irene Batista Lobo",
        "O conselho define os critérios de seleção dos documentos, revisa a classificação "
        "temática e acompanha a atualização do acervo a cada edição.",
    ]),
    "A03": (THEMES[0], [
        "Reúne os documentos que explicam de onde vem e como funciona o direito da criança e do "
        "adolescente: a passagem da doutrina da situação irregular para a da proteção integral, "
        "os princípios da prioridade absoluta e do interesse superior, e as regras gerais de "
        "procedimento.",
        "No acervo, veja em Legislação as disposições preliminares do Estatuto e a Constituição "
        "Federal; em Textos, os estudos sobre prioridade absoluta; em Julgados, as decisões "
        "sobre tramitação prioritária.",
    ]),
    "A04": (THEMES[1], [
        "Trata da proteção à vida e à saúde desde a gestação: atendimento pré-natal, parto "
        "humanizado, aleitamento, vacinação, acesso a medicamentos e tratamentos, e prevenção "
        "de acidentes e violências.",
        "No acervo, veja o capítulo do Estatuto sobre o direito à vida e à saúde, as decisões "
        "sobre fornecimento de medicamentos e os guias de acompanhamento da gestante.",
    ]),
    "A05": (THEMES[2], [
        "Cobre o acesso à escola e a permanência nela, da creche ao ensino médio, e o direito à "
        "cultura, ao esporte e ao lazer.",
        "No acervo, veja o capítulo do Estatuto sobre educação, os títulos da Lei de Diretrizes "
        "e Bases da Educação, as decisões sobre vagas em creche e os modelos de ação civil "
        "pública.",
    ]),
    "A06": (THEMES[3], [
        "Abrange a família natural e a extensa, o acolhimento familiar e institucional, a "
        "guarda, a tutela e a adoção, e as medidas aplicáveis aos pais ou responsável.",
        "No acervo, veja os capítulos do Estatuto sobre convivência familiar e família "
        "substituta, o artigo 226 e seguintes da Constituição, as súmulas do STJ sobre "
        "alimentos e filiação e os programas de família acolhedora.",
    ]),
    "A07": (THEMES[4], [
        "Trata da idade mínima para o trabalho, da aprendizagem, do trabalho protegido do "
        "adolescente e do enfrentamento do trabalho infantil.",
        "No acervo, veja o capítulo do Estatuto sobre profissionalização, as decisões da "
        "Justiça do Trabalho e os modelos de termo de ajustamento de conduta.",
    ]),
    "A08": (THEMES[5], [
        "Reúne o direito de ir e vir, de opinião e expressão, de participação, e a proteção "
        "contra a violência, a exploração e o tratamento vexatório, inclusive os crimes "
        "praticados contra crianças e adolescentes.",
        "No acervo, veja o capítulo do Estatuto sobre liberdade, respeito e dignidade, o título "
        "dos crimes e das infrações administrativas e as decisões sobre exposição de imagem.",
    ]),
    "A09": (THEMES[6], [
        "Cobre a apuração do ato infracional, as garantias processuais do adolescente, a "
        "remissão e as medidas socioeducativas, da advertência à internação.",
        "No acervo, veja o título do Estatuto sobre a prática de ato infracional, as súmulas do "
        "STJ sobre medidas socioeducativas e os modelos de representação e de defesa prévia.",
    ]),
    "A10": ("Operadores do Sistema de Garantia", [
        "O Sistema de Garantia de Direitos é a rede de instituições que, cada uma em seu papel, "
        "torna efetivos os direitos previstos em lei. O acervo destaca quatro grupos:",
        "- **Poder Judiciário**: a Justiça da Infância e da Juventude e suas equipes "
        "interprofissionais;",
        "- **Ministério Público**: a defesa dos interesses individuais, difusos e coletivos da "
        "infância e da juventude;",
        "- **Conselhos e Fundos**: os conselhos tutelares, os conselhos de direitos e os fundos "
        "a eles vinculados;",
        "- **Advocacia**: a defesa técnica, exercida por advogados e pela Defensoria Pública.",
        "Em cada seção, a categoria “Operadores do Sistema de Garantia” reúne os documentos "
        "voltados a esses grupos.",
    ]),
    "A11": ("Os Ciclos de Vida", [
        "A seção Ciclos de Vida oferece uma leitura transversal do acervo: em vez de partir do "
        "tipo de documento, parte da idade da criança ou do adolescente.",
        "- **Antes do Nascimento (Nascituro)**: a gestante, o pré-natal e o parto;",
        "- **Criança (0 a 6 anos)**: a primeira infância, a creche e a pré-escola;",
        "- **Criança/Adolescente (7 a 14 anos)**: a escola, a convivência e o lazer;",
        "- **Adolescente (12 a 18 anos)**: a profissionalização, a participação e a "
        "responsabilização pelo ato infracional.",
        "As faixas se sobrepõem de propósito: um mesmo documento pode interessar a mais de um "
        "ciclo.",
    ]),
    "A12": ("Antecedentes", [
        "O direito da criança e do adolescente no Brasil é recente. Durante a maior parte do "
        "século XX, a lei tratou apenas do “menor” em situação considerada irregular — "
        "abandonado ou autor de infração —, sob a tutela do juiz de menores.",
        "- 1927: primeiro Código de Menores.",
        "- 1979: novo Código de Menores (Lei nº 6.697/1979), fundado na doutrina da situação "
        "irregular.",
        "- 1988: a Constituição Federal, no art. 227, reconhece crianças e adolescentes como "
        "sujeitos de direitos, com absoluta prioridade.",
        "- 1989: as Nações Unidas adotam a Convenção sobre os Direitos da Criança.",
        "- 1990: o Estatuto da Criança e do Adolescente (Lei nº 8.069/1990) adota a doutrina da "
        "proteção integral e revoga o Código de Menores.",
        "- 1991: é criado o Conselho Nacional dos Direitos da Criança e do Adolescente "
        "(Lei nº 8.242/1991).",
        "Texto de apresentação de amostra, escrito para demonstração.",
    ]),
}

INFO_CSS = """
body { font-size: 14px; }
.topo { padding: 10px 20px 8px; }
h1 { font-size: 19px; }
.aviso { margin: 10px 20px 0; }
.corpo { padding: 4px 20px 0; }
.rodape { margin: 16px 20px 0; }
"""

ZEFT = [
    "A ZEFT é uma associação editora fictícia, criada para esta coleção de amostra. Ela "
    "representa a entidade que, em uma coleção real, seleciona, organiza e publica o acervo "
    "do Corvanel.",
    "- Missão (exemplo): tornar acessíveis, a quem trabalha com crianças e adolescentes, os "
    "textos de que precisa no dia a dia;",
    "- Atividades (exemplo): edição de coletâneas, cursos de formação e apoio a redes locais "
    "de proteção;",
    "- Endereço na web (fictício): zeft.example.org",
]

QUARDE = [
    "A Quarde é uma organização parceira fictícia, criada para esta coleção de amostra. Ela "
    "representa a instituição que, em uma coleção real, apoia a produção e a distribuição do "
    "acervo.",
    "- Área de atuação (exemplo): formação de conselheiros tutelares e de conselheiros de "
    "direitos;",
    "- Forma de apoio (exemplo): revisão técnica dos modelos e divulgação do acervo entre as "
    "redes de proteção;",
    "- Endereço na web (fictício): quarde.example.org",
]


def fixed_pages():
    pages = {}
    pages["help"] = page("Ajuda", blocks_to_html(HELP), section="Corvanel",
                         subtitle="Como consultar o acervo", footer=True)
    pages["L01"] = links_page()
    for name, (title, paragraphs) in sorted(PRESENTATION.items()):
        pages[name] = page(title.strip(), blocks_to_html(paragraphs), section="Apresentação",
                           footer=True)
    pages["ZEFT"] = page("ZEFT", blocks_to_html(ZEFT), section="Sobre a editora",
                         subtitle="Associação editora (entidade fictícia de amostra)",
                         extra_css=INFO_CSS)
    pages["QUARDE"] = page("Quarde", blocks_to_html(QUARDE), section="Organização parceira",
                           subtitle="Parceira do acervo (entidade fictícia de amostra)",
                           extra_css=INFO_CSS)
    return pages


# --------------------------------------------------------------------------
# SOURCES.md

def _cods(cards, pred):
    cods = sorted(c["cod"] for c in cards if pred(c))
    if not cods:
        return "-"
    runs, start, prev = [], cods[0], cods[0]
    for cod in cods[1:] + [None]:
        if cod is not None and cod == prev + 1:
            prev = cod
            continue
        runs.append(str(start) if start == prev else "%d-%d" % (start, prev))
        if cod is not None:
            start = prev = cod
    return ", ".join(runs)


def sources(cards):
    def by_title(prefix):
        return lambda c: c["titulo"].startswith(prefix) and c["sessao"] in "BC"

    eca = _cods(cards, by_title("ECA - "))
    ldb = _cods(cards, by_title("LDB - "))
    cf = _cods(cards, by_title("Constituição Federal"))
    stj = _cods(cards, by_title("STJ - Súmula"))
    official = set()
    for prefix in ("ECA - ", "LDB - ", "Constituição Federal", "STJ - Súmula"):
        official |= {c["cod"] for c in cards if by_title(prefix)(c)}
    fictional = _cods(cards, lambda c: c["cod"] not in official)
    total = len(cards)
    lines = [
        "# Sources of the sample collection",
        "",
        "This folder is generated by `tools/sample/make_sample.py`; do not edit it by hand.",
        "Run `python3 tools/sample/make_sample.py [SAMPLE_TEXTS_DIR]` from the repository root",
        "to regenerate it (same inputs, same bytes).",
        "",
        "The collection has %d index cards (`catalogue.jsonl`), one page `textos/<cod>.htm` per" % total,
        "card, and the fixed pages `entrada2.htm`, `textos/help.htm`, `textos/L01.htm`,",
        "`textos/A01.htm` to `textos/A12.htm`, `textos/ZEFT.htm` and `textos/QUARDE.htm`.",
        "",
        "## Official texts (cut mechanically, not retyped)",
        "",
        "Legal texts, constitutional text and súmulas are official acts and are not protected by",
        "copyright in Brazil (Lei nº 9.610/1998, art. 8º, IV). Each page made from them says at",
        "its top that it is a sample, not the official text in force, and points to the official",
        "source.",
        "",
        "| Cards | Text | Taken from |",
        "|---|---|---|",
        "| %s | Lei nº 8.069/1990 (ECA), one card per title or chapter; compiled text as of mid-2019, "
        "old and new wordings side by side; chapters repeated by the copy are dropped | GitHub "
        "`carlosdelfino/leis-administracao-publica-pesquisa`, commit "
        "`1921348da37127cb6fe0f727183263d4d5234f50`, folder `estatuto-da-crianca-e-do-adolescente/`"
        " (a Markdown conversion of the Planalto page `L8069Compilado.htm`) |" % eca,
        "| %s | Lei nº 9.394/1996 (LDB), one card per group of titles; compiled text as of about "
        "May 2019, superseded wording struck through where the copy marks it | same repository, "
        "branch `gh-pages`, commit `59de4ae9f27f56935fedaa87830682eba2f0eba5`, folder "
        "`lei-de-diretrizes-e-bases-da-educacao-nacional/` |" % ldb,
        "| %s | Constituição Federal de 1988, arts. 226 to 230 (Título VIII, Capítulo VII), body "
        "reused as is | GitHub `alcindogandhi/normas-planalto`, commit "
        "`2f6d81922f3516d304c97e0dd30f893a1b32bd92`, `html/cf88.html` (a clean copy of the "
        "Planalto page) |" % cf,
        "| %s | 18 STJ súmulas (1, 108, 265, 277, 301, 309, 342, 358, 383, 492, 500, 593, 594, "
        "596, 605, 621, 657, 669); only the blanks the collection lost are put back, and the "
        "judgment data are split into lines | GitHub `VictorManuelChang/RAG-sumulas-STJ`, commit "
        "`27812946634458d27486284df4457ffdcb8e5014`, `sumulas.json` (collected from the STJ page "
        "`scon.stj.jus.br/SCON/sumstj/`) |" % stj,
        "",
        "The input files and their SHA-256 prefixes are listed in `make_sample.py`; the script",
        "refuses other versions.",
        "",
        "## Fictional samples",
        "",
        "Cards %s are written for this sample: the Textos (fictional authors), the" % fictional,
        "state, federal and higher-court decisions, the decisões monocráticas, the Experiências",
        "and the Modelos, and the fictional state laws and federal acts. Every such page says it",
        "is a fictional sample. Cards 251 and 252 are short summaries of the Convention on the",
        "Rights of the Child and of the Beijing Rules and say they do not reproduce their text.",
        "The presentation chapters, the help page, the start page and the pages about ZEFT and",
        "Quarde (fictional publisher and partner) are also written for this sample. No decision",
        "cites a real case number.",
        "",
        "## Cards worth knowing about",
        "",
        "- Card 610 has `\"conteudo\": []`: it has no text row, so it is counted but never listed.",
        "- Card 611 has two text rows, so it is listed twice.",
        "- Card 501 (\"Água potável nas escolas\") has codes of two sections (`B06` and `D..`);",
        "  the decisões monocráticas (section H) also carry `C11` and a Julgados theme code.",
        "- Section C cards carry their text in `conteudo` (first lines shown in the list);",
        "  the other cards leave it out and the builder extracts it from the page.",
        "",
    ]
    return "\n".join(lines)
