#!/usr/bin/env python3
"""Regenerates the sample collection bundled with Corvanel (folder sample/).

Usage, from the repository root:

    python3 tools/sample/make_sample.py [SAMPLE_TEXTS_DIR]

SAMPLE_TEXTS_DIR holds the official texts the sample is cut from (ECA, LDB,
the constitutional chapter, STJ súmulas); it defaults to $CORVANEL_SAMPLE_TEXTS
or /work/shared/sample-texts. The input files are checked against the SHA-256
prefixes recorded below, so the same inputs always give the same output, byte
for byte. Python 3 standard library only; the output is checked in, so the
build never runs this script.

Writes:
    sample/catalogue.jsonl   one index card per line (read by the collection builder)
    sample/labels.dat        marker file of the content root
    sample/entrada2.htm      start page
    sample/textos/*.htm      help, L01, A01..A12, ZEFT, QUARDE and one page per card
    sample/SOURCES.md        where each document comes from
"""

import hashlib
import json
import os
import re
import sys

sys.dont_write_bytecode = True  # keep tools/sample free of __pycache__
HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import amostras  # noqa: E402  hand-written sample cards
import leis      # noqa: E402  Markdown law texts to chapter pages
import paginas   # noqa: E402  fixed pages (start, help, links, presentation, about)
from pagina import esc, page, blocks_to_html, plain_text  # noqa: E402

REPO = os.path.dirname(os.path.dirname(HERE))
OUT = os.path.join(REPO, "sample")
DEFAULT_TEXTS = "/work/shared/sample-texts"

INPUTS = {
    "eca": ("eca-lei-8069-1990.txt", "155ec579943e84e0"),
    "ldb": ("ldb-lei-9394-1996.txt", "e9b22cfe719ce2ed"),
    "cf88": ("cf88-titulo-viii-cap-vii-arts-226-230.htm", "e120fa800d49ea16"),
    "stj": ("stj-sumulas-infancia-familia.txt", "106dd74a790f4d67"),
}

SECTION_NAMES = {"A": "Textos", "B": "Legislação", "C": "Julgados", "H": "Julgados",
                 "D": "Experiências", "E": "Modelos"}

# --------------------------------------------------------------------------
# Notices at the top of the pages

NOTICE_COMPILED = (
    "<strong>Amostra para demonstração.</strong> Este documento reproduz um trecho da "
    "%s a partir de uma cópia pública do texto compilado, na forma em que se encontrava "
    "em 2019. Como todo texto compilado, mistura redações já substituídas e redações "
    "vigentes (as notas “Redação dada pela Lei …” indicam a mais recente)%s e não traz as "
    "alterações posteriores a 2019. <strong>Não é o texto oficial em vigor</strong>: "
    "consulte sempre a versão publicada pela Presidência da República no portal do Planalto."
)
NOTICE_CF = (
    "<strong>Amostra para demonstração.</strong> Trecho da Constituição Federal extraído "
    "de uma cópia pública não oficial, em que as notas de emenda constitucional foram "
    "suprimidas e os parágrafos aparecem numerados como “§ 1:”. <strong>Não é o texto "
    "oficial</strong>: consulte a Constituição no portal do Planalto."
)
NOTICE_SUMULA = (
    "<strong>Amostra para demonstração.</strong> Enunciado de súmula do Superior Tribunal "
    "de Justiça transcrito de uma coleta pública dos enunciados; apenas os espaços que a "
    "coleta perdeu foram restituídos e os dados de julgamento foram separados em linhas. "
    "<strong>Não é publicação oficial</strong>: confira o enunciado no portal do STJ."
)
NOTICE_SUMMARY = (
    "<strong>Resumo de amostra</strong>, escrito apenas para demonstrar o programa. Não "
    "reproduz o texto oficial do ato apresentado: consulte-o na fonte oficial."
)
NOTICE_FICTIONAL = (
    "<strong>Documento fictício de amostra</strong>, escrito apenas para demonstrar o "
    "programa. Não reproduz texto oficial, decisão judicial real nem obra publicada; "
    "nomes, números e fatos são ilustrativos."
)

# --------------------------------------------------------------------------
# ECA and LDB: documents cut at chapter headings

ECA_INTRO = ("Lei nº 8.069, de 13 de julho de 1990. Dispõe sobre o Estatuto da Criança e "
             "do Adolescente e dá outras providências.")
LDB_INTRO = ("Lei nº 9.394, de 20 de dezembro de 1996. Estabelece as diretrizes e bases da "
             "educação nacional.")

# (heading that starts the document or None for the first, title, categories, key words)
ECA_DOCS = [
    (None, "ECA - Das Disposições Preliminares", "B02 B05",
     "estatuto eca proteção integral prioridade absoluta criança adolescente definição"),
    ("Do Direito à Vida e à Saúde", "ECA - Do Direito à Vida e à Saúde", "B02 B06 F01 F06",
     "estatuto eca saúde gestante nascituro parto aleitamento vacinação sus"),
    ("Do Direito à Liberdade, ao Respeito e à Dignidade",
     "ECA - Do Direito à Liberdade, ao Respeito e à Dignidade", "B02 B10",
     "estatuto eca liberdade respeito dignidade castigo físico tratamento cruel"),
    ("Do Direito à Convivência Familiar e Comunitária",
     "ECA - Do Direito à Convivência Familiar e Comunitária", "B02 B08 F06",
     "estatuto eca convivência familiar acolhimento família natural extensa poder familiar"),
    ("Da Família Substituta", "ECA - Da Família Substituta: Guarda, Tutela e Adoção", "B02 B08",
     "estatuto eca família substituta guarda tutela adoção internacional"),
    ("Do Direito à Educação, à Cultura, ao Esporte e ao Lazer",
     "ECA - Do Direito à Educação, à Cultura, ao Esporte e ao Lazer", "B02 B07 F11",
     "estatuto eca educação escola creche cultura esporte lazer matrícula"),
    ("Do Direito à Profissionalização e à Proteção no Trabalho",
     "ECA - Do Direito à Profissionalização e à Proteção no Trabalho", "B02 B09 F16",
     "estatuto eca trabalho infantil aprendiz aprendizagem profissionalização"),
    ("Da Prevenção", "ECA - Da Prevenção", "B02 B05 B10",
     "estatuto eca prevenção autorização viagem produtos espetáculos diversões"),
    ("Da Política de Atendimento", "ECA - Da Política de Atendimento", "B02 B05 B14",
     "estatuto eca política atendimento entidades conselhos direitos fiscalização"),
    ("Das Medidas de Proteção", "ECA - Das Medidas de Proteção", "B02 B05 B08",
     "estatuto eca medidas proteção acolhimento institucional familiar plano individual"),
    ("Da Prática de Ato Infracional", "ECA - Da Prática de Ato Infracional", "B02 B11 F16",
     "estatuto eca ato infracional medidas socioeducativas sócio-educativas internação remissão"),
    ("Das Medidas Pertinentes aos Pais ou Responsável",
     "ECA - Das Medidas Pertinentes aos Pais ou Responsável", "B02 B08",
     "estatuto eca pais responsável medidas advertência perda guarda"),
    ("Do Conselho Tutelar", "ECA - Do Conselho Tutelar", "B02 B14",
     "estatuto eca conselho tutelar conselheiros atribuições escolha"),
    ("Do Acesso à Justiça", "ECA - Do Acesso à Justiça e da Justiça da Infância e da Juventude",
     "B02 B12", "estatuto eca acesso justiça juiz infância juventude competência"),
    ("Dos Procedimentos", "ECA - Dos Procedimentos", "B02 B11 B12",
     "estatuto eca procedimentos perda poder familiar colocação família substituta apuração"),
    ("Dos Recursos", "ECA - Dos Recursos", "B02 B12",
     "estatuto eca recursos apelação agravo prazos"),
    ("Do Ministério Público", "ECA - Do Ministério Público", "B02 B13",
     "estatuto eca ministério público promotor atribuições ação civil pública"),
    ("Do Advogado", "ECA - Do Advogado", "B02 B15",
     "estatuto eca advogado defensor defesa técnica assistência judiciária"),
    ("Da Proteção Judicial dos Interesses Individuais, Difusos e Coletivos",
     "ECA - Da Proteção Judicial dos Interesses Individuais, Difusos e Coletivos",
     "B02 B12 B13", "estatuto eca ação civil pública interesses difusos coletivos"),
    ("Dos Crimes e Das Infrações Administrativas",
     "ECA - Dos Crimes e das Infrações Administrativas", "B02 B10",
     "estatuto eca crimes infrações administrativas penas multa"),
    ("Disposições Finais e Transitórias", "ECA - Disposições Finais e Transitórias", "B02 B05 B14",
     "estatuto eca disposições finais fundo direitos criança doações"),
]

LDB_DOCS = [
    (None, "LDB - Princípios e Fins da Educação e o Dever de Educar", "B02 B05 B07 F06 F11",
     "ldb diretrizes bases educação princípios dever educar ensino obrigatório"),
    ("Da Organização da Educação Nacional", "LDB - Da Organização da Educação Nacional",
     "B02 B07", "ldb diretrizes bases educação organização sistemas ensino união estados municípios"),
    ("Dos Níveis e das Modalidades de Educação e Ensino", "LDB - Da Educação Básica",
     "B02 B07 F06 F11 F16",
     "ldb diretrizes bases educação básica infantil creche ensino fundamental médio"),
    ("DA EDUCAÇÃO PROFISSIONAL", "LDB - Da Educação Profissional, Superior e Especial",
     "B02 B07 B09 F16", "ldb diretrizes bases educação profissional superior especial"),
    ("Dos Profissionais da Educação",
     "LDB - Dos Profissionais da Educação, dos Recursos e Disposições Finais", "B02 B07",
     "ldb diretrizes bases educação profissionais magistério recursos financeiros"),
]

# STJ súmulas: number -> (categories beside C13, key words)
SUMULA_THEMES = {
    1: ("C04 C08", "competência foro alimentando investigação paternidade alimentos"),
    108: ("C07 C08", "medida socioeducativa competência juiz ato infracional"),
    265: ("C07", "oitiva adolescente regressão medida socioeducativa"),
    277: ("C04", "investigação paternidade alimentos citação"),
    301: ("C04", "exame dna recusa presunção paternidade"),
    309: ("C04", "prisão civil alimentos débito alimentar prestações"),
    342: ("C07 C44", "confissão adolescente desistência provas nulidade defesa"),
    358: ("C04", "pensão alimentícia maioridade cancelamento contraditório"),
    383: ("C04 C08", "competência guarda foro domicílio menor"),
    492: ("C07", "tráfico drogas internação ato infracional"),
    500: ("C06", "corrupção menores crime formal eca 244-b"),
    593: ("C06", "estupro vulnerável menor 14 anos consentimento"),
    594: ("C04 C09", "ministério público legitimidade alimentos"),
    596: ("C04", "alimentos avós obrigação complementar subsidiária"),
    605: ("C07 F16", "maioridade penal medida socioeducativa 21 anos liberdade assistida"),
    621: ("C04", "alimentos sentença efeitos citação revisão exoneração"),
    657: ("C02 C05 F16", "salário-maternidade indígena segurada especial menor 16 anos"),
    669: ("C02 C06", "bebida alcoólica criança adolescente crime eca 243"),
}


def sha_prefix(path):
    with open(path, "rb") as f:
        return hashlib.sha256(f.read()).hexdigest()[:16]


def read_inputs(folder):
    texts = {}
    for key, (name, prefix) in INPUTS.items():
        path = os.path.join(folder, name)
        if not os.path.isfile(path):
            sys.exit("make_sample: missing input %s" % path)
        got = sha_prefix(path)
        if got != prefix:
            sys.exit("make_sample: %s has SHA-256 %s..., expected %s...; the sample is cut "
                     "from that exact version" % (path, got, prefix))
        with open(path, encoding="utf-8") as f:
            texts[key] = f.read()
    return texts


def law_documents(text, entries, first_cod, intro, notice, short):
    items = leis.drop_repeats(leis.parse(text, "**O PRESIDENTE"))
    parts = leis.split(items, [e[0] for e in entries[1:]])
    cards, pages = [], {}
    for n, (entry, part) in enumerate(zip(entries, parts)):
        cod = first_cod + n
        _, titulo, categoria, pchave = entry
        subtitulo = "%s, %s - texto compilado em 2019 (amostra)" % (short, leis.article_range(part))
        body = '<p class="ficha">%s</p>\n%s' % (esc(intro), leis.render(part))
        pages[cod] = page(titulo, body, section="Legislação", subtitle=subtitulo, notice=notice)
        cards.append(dict(cod=cod, titulo=titulo, subtitulo=subtitulo, sessao="B",
                          categoria=categoria, pchave=pchave))
    return cards, pages


def cf88_document(text, cod):
    body = text.split("<body>", 1)[1].split("</body>", 1)[0].strip()
    titulo = "Constituição Federal - Da Família, da Criança, do Adolescente, do Jovem e do Idoso"
    subtitulo = "Constituição da República Federativa do Brasil de 1988, arts. 226 a 230 (amostra)"
    css = """
.cf88 h1 { font-size: 18px; margin: 18px 0 4px; color: #1f3d06; }
.cf88 h3, .cf88 h4 { margin: 14px 0 4px; }
.cf88 div.capitulo > p { font-weight: bold; margin-bottom: 14px; }
.cf88 .artigo { margin-bottom: 10px; }
.cf88 .paragrafo, .cf88 .inciso, .cf88 .alinea { margin-left: 1.6em; }
"""
    html_body = '<div class="cf88">\n%s\n</div>' % body
    card = dict(cod=cod, titulo=titulo, subtitulo=subtitulo, sessao="B",
                categoria="B02 B05 B08 F01 F06 F11 F16",
                pchave="constituição federal cf88 família criança adolescente jovem "
                       "prioridade absoluta art. 227 inimputabilidade")
    return card, page(titulo, html_body, section="Legislação", subtitle=subtitulo,
                      notice=NOTICE_CF, extra_css=css)


def _respace(text):
    """Puts back the blanks the súmula collection lost ("em25/04/1990", "ALTERADA:A")."""
    text = re.sub(r"([A-Za-zÀ-ú])(\d)", r"\1 \2", text)
    text = re.sub(r":(?=\S)", ": ", text)
    text = re.sub(r"\s+", " ", text)
    return text.strip()


def _reference_lines(ref):
    parts = [p.strip() for p in _respace(ref).split(",")]
    lines = ["Órgão julgador: " + parts[0]]
    rest = parts[1:]
    if rest and rest[0].startswith("julgado em"):
        lines.append("Julgamento: " + rest[0][len("julgado em"):].strip())
        rest = rest[1:]
    if rest:
        lines.append("Publicação: " + ", ".join(rest))
    return lines


def _ficha(lines):
    """"Label: value" lines as a small data block."""
    return '<p class="ficha">%s</p>' % "<br>\n".join(
        "<b>%s:</b>%s" % (esc(label), esc(value))
        for label, value in (line.split(":", 1) for line in lines))


REF_RE = re.compile(r"\(\s*((?:PRIMEIRA|SEGUNDA|TERCEIRA|CORTE)[^()]*)\)")


def sumula_documents(text, first_cod):
    cards, pages = [], {}
    entries = [b.strip() for b in re.split(r"\n\s*\n", text) if b.strip()]
    for n, entry in enumerate(entries):
        head, body = entry.split("\n", 1)
        number = int(re.match(r"Súmula (\d+)$", head.strip()).group(1))
        body = body.strip()
        m = REF_RE.search(body)
        enunciado = body[:m.start()].strip()
        lines = [enunciado] + _reference_lines(m.group(1))
        after = body[m.end():].strip()
        history, history_refs = [], []
        if after:
            m2 = REF_RE.search(after)
            note = after[:m2.start()] if m2 else after
            note = _respace(note)
            if "REDAÇÃO ANTERIOR:" in note:
                changed, previous = note.split("REDAÇÃO ANTERIOR:", 1)
                history = [changed.strip(), "REDAÇÃO ANTERIOR: " + previous.strip()]
            else:
                history = [note]
            if m2:
                history_refs = _reference_lines(m2.group(1))
        cod = first_cod + n
        themes, words = SUMULA_THEMES[number]
        titulo = "STJ - Súmula %d" % number
        subtitulo = "Superior Tribunal de Justiça"
        conteudo = "\n".join(["Súmula %d do Superior Tribunal de Justiça" % number] + lines
                             + history + history_refs)
        html_body = ['<div class="ementa"><p>%s</p></div>' % esc(enunciado), _ficha(lines[1:])]
        if history:
            html_body.append("<h2>Alteração do enunciado</h2>")
            html_body += ["<p>%s</p>" % esc(h) for h in history]
            if history_refs:
                html_body.append(_ficha(history_refs))
        pages[cod] = page(titulo, "\n".join(html_body), section="Julgados",
                          subtitle=subtitulo, notice=NOTICE_SUMULA)
        cards.append(dict(cod=cod, titulo=titulo, subtitulo=subtitulo, sessao="C",
                          categoria="C13 " + themes,
                          pchave="stj súmula superior tribunal justiça " + words,
                          conteudo=conteudo))
    return cards, pages


def handwritten_documents():
    cards, pages = [], {}
    for c in amostras.cards():
        sessao = c["sessao"]
        card = dict(cod=c["cod"], titulo=c["titulo"], subtitulo=c["subtitulo"], sessao=sessao,
                    categoria=c["categoria"], pchave=c["pchave"])
        if sessao == "C":
            card["conteudo"] = plain_text(c["texto"])
        if "conteudo" in c:
            card["conteudo"] = c["conteudo"]
        body = blocks_to_html(c["texto"])
        if sessao in ("C", "H"):
            # the first line names the court; the rest is the decision
            first, rest = c["texto"][0], c["texto"][1:]
            body = '<p class="ficha"><b>%s</b></p>\n<div class="ementa">\n%s\n</div>' % (
                esc(first), blocks_to_html(rest))
        notice = NOTICE_SUMMARY if c.get("aviso") == "resumo" else NOTICE_FICTIONAL
        pages[c["cod"]] = page(c["titulo"], body, section=SECTION_NAMES[sessao],
                               subtitle=c["subtitulo"], notice=notice)
        cards.append(card)
    return cards, pages


def write(path, text):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)


def card_line(card):
    keys = ["cod", "titulo", "subtitulo", "sessao", "categoria", "pchave", "conteudo"]
    ordered = {k: card[k] for k in keys if k in card}
    return json.dumps(ordered, ensure_ascii=False)


def check(cards, pages):
    cods = [c["cod"] for c in cards]
    if len(set(cods)) != len(cods):
        sys.exit("make_sample: repeated cod")
    for c in cards:
        if not (isinstance(c["cod"], int) and c["cod"] > 0):
            sys.exit("make_sample: bad cod %r" % c["cod"])
        if c["cod"] not in pages:
            sys.exit("make_sample: no page for cod %d" % c["cod"])
    listable = [c for c in cards if c["sessao"] in "ABCDEH"
                and c.get("conteudo", None) != []]
    missing = [code for code in amostras.ALL_CODES
               if not any(code in c["categoria"] for c in listable)]
    if missing:
        sys.exit("make_sample: categories without a listed document: %s" % " ".join(missing))


def main(argv):
    folder = argv[1] if len(argv) > 1 else os.environ.get("CORVANEL_SAMPLE_TEXTS", DEFAULT_TEXTS)
    texts = read_inputs(folder)

    cards, pages = [], {}
    notice_eca = NOTICE_COMPILED % ("Lei nº 8.069/1990 (Estatuto da Criança e do Adolescente)", "")
    notice_ldb = NOTICE_COMPILED % (
        "Lei nº 9.394/1996 (Lei de Diretrizes e Bases da Educação Nacional)",
        "; onde a cópia marcava a redação substituída, ela aparece riscada")
    for got in (law_documents(texts["eca"], ECA_DOCS, 201, ECA_INTRO, notice_eca,
                              "Lei nº 8.069/1990"),
                law_documents(texts["ldb"], LDB_DOCS, 231, LDB_INTRO, notice_ldb,
                              "Lei nº 9.394/1996"),
                sumula_documents(texts["stj"], 301),
                handwritten_documents()):
        cards += got[0]
        pages.update(got[1])
    card, cf_page = cf88_document(texts["cf88"], 241)
    cards.append(card)
    pages[card["cod"]] = cf_page
    cards.sort(key=lambda c: c["cod"])
    check(cards, pages)

    files = {}
    files["catalogue.jsonl"] = "".join(card_line(c) + "\n" for c in cards)
    files["labels.dat"] = "Corvanel - coleção de amostra\n"
    files["entrada2.htm"] = paginas.entrada()
    for name, text in paginas.fixed_pages().items():
        files["textos/%s.htm" % name] = text
    for cod, text in pages.items():
        files["textos/%d.htm" % cod] = text
    files["SOURCES.md"] = paginas.sources(cards)

    # Drop pages of an earlier run that are no longer generated.
    textos = os.path.join(OUT, "textos")
    if os.path.isdir(textos):
        for name in sorted(os.listdir(textos)):
            if name.endswith(".htm") and "textos/" + name not in files:
                os.remove(os.path.join(textos, name))
    for rel in sorted(files):
        write(os.path.join(OUT, rel), files[rel])

    counts = {}
    for c in cards:
        counts[c["sessao"]] = counts.get(c["sessao"], 0) + 1
    print("sample/: %d cards (%s), %d files" % (
        len(cards), ", ".join("%s %d" % kv for kv in sorted(counts.items())), len(files)))


if __name__ == "__main__":
    main(sys.argv)
