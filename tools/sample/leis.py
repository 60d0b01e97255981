"""Turns the Markdown copies of the ECA and the LDB into chapter pages.

The copies are "textos compilados": several wordings of an amended article
follow one another, and the ECA copy repeats some chapters (the pages it was
joined from overlap). Nothing is retyped here: the text is cut into blocks,
repeated chapters are dropped, the blocks are cut into documents at the
headings named by the caller, and each block becomes one HTML paragraph.
"""

import html
import re

# "Título II", "CAPÍTULO V - Da Educação", "**Seção V-A**", "## TÍTULO I - Da Educação"
LABEL_RE = re.compile(
    r"^(T[ÍI]TULO|Título|CAP[ÍI]TULO|Capítulo|SEÇÃO|Seção|SUBSEÇÃO|Subseção)"
    r"\s+([IVXLC]+(?:-[A-Z])?)\s*(?:[-–]\s*(.+))?$")
LEVELS = {"título": 2, "capítulo": 3, "seção": 4, "subseção": 5}
ART_RE = re.compile(r"^(?:~~)?\s*Art\.?\s*(\d+)")
ART_LABEL_RE = re.compile(r"^(?:~~)?\s*Art\.?\s*(\d+)\s*([º°o])?(?:\s*-\s*([A-Z])\b)?")
LINK_RE = re.compile(r"\[((?:\\.|[^\]\\])*)\]\(([^)\s]*)\)")
IMAGE_RE = re.compile(r"!\[[^\]]*\]\([^)]*\)")
NOTE_RE = re.compile(
    r"\((?:Redação|Incluíd|Incluid|Revogad|Vide|Expressão|Renumerad|Acrescid|"
    r"Regulamento|Vigência|Produção de efeito|Promulgação|Vetad|VETAD)[^()]{0,300}\)")


def _plain(raw):
    """Text of a raw block without Markdown marks (for recognising headings)."""
    text = IMAGE_RE.sub("", raw)
    text = LINK_RE.sub(lambda m: " " + m.group(1) + " ", text)
    text = re.sub(r"\\(.)", r"\1", text)
    text = text.replace("**", "").replace("~~", "")
    text = re.sub(r"^#+\s*", "", text, flags=re.M)
    lines = [re.sub(r"\s+", " ", line).strip() for line in text.split("\n")]
    return [line for line in lines if line]


def _tidy_spaces(text):
    text = re.sub(r"[ \t\u00a0]{2,}", " ", text)
    text = re.sub(r" +([,;:)]|\.(?!\.))", r"\1", text)
    text = re.sub(r"\( +", "(", text)
    return text.strip()


def inline_html(raw):
    """One raw Markdown block to inline HTML; line breaks become <br>."""
    lines = []
    for line in raw.split("\n"):
        line = re.sub(r"^\s*(?:>\s?)+", "", line)  # quotation marks of art. 263/264
        lines.append(line.strip())
    text = "\n".join(line for line in lines if line)
    text = IMAGE_RE.sub("", text)
    # Links keep their words only; the copy often lost the blanks around them.
    text = LINK_RE.sub(lambda m: " " + m.group(1) + " ", text)
    text = re.sub(r"\\(.)", r"\1", text)
    text = html.escape(text, quote=False)

    def wrap(tag):
        def sub(m):
            before = "" if m.start() == 0 or not m.string[m.start() - 1].isalnum() else " "
            end = m.end()
            after = "" if end >= len(m.string) or not m.string[end].isalnum() else " "
            return "%s<%s>%s</%s>%s" % (before, tag, m.group(1).strip(), tag, after)
        return sub

    text = re.sub(r"\*\*(.+?)\*\*", wrap("strong"), text, flags=re.S)
    text = re.sub(r"~~(.+?)~~", wrap("del"), text, flags=re.S)
    text = text.replace("**", "")
    text = re.sub(r"(?<![\w/])_([^_\n]+?)_(?![\w])", r"<em>\1</em>", text)
    text = "\n".join(_tidy_spaces(line) for line in text.split("\n"))
    text = re.sub(r"<(strong|del|em)>\s*</\1>", "", text)
    text = NOTE_RE.sub(lambda m: '<span class="nota">%s</span>' % m.group(0), text)
    text = re.sub(r"</span>\s*Vigência\b", " Vigência</span>", text)
    return "<br>\n".join(line for line in text.split("\n") if line)


def _kind(first_plain):
    """Indentation class of a paragraph from its first words."""
    if re.match(r"^Art\.?\s*\d", first_plain):
        return "art"
    if first_plain.startswith("§") or first_plain.lower().startswith("parágrafo único"):
        return "par"
    if re.match(r"^[IVXLC]+\s*[-–]", first_plain):
        return "inc"
    if re.match(r"^[a-z]\)\s", first_plain) or re.match(r"^\d+\)\s", first_plain):
        return "ali"
    if re.match(r"^Pena\b", first_plain):
        return "pena"
    return ""


def _name_like(plain_lines, raw):
    """Could this block be the name line of the heading just before it?"""
    if not plain_lines:
        return False
    first = plain_lines[0]
    if LABEL_RE.match(first) or _kind(first) or len(" ".join(plain_lines)) > 220:
        return False
    if raw.lstrip().startswith(">"):
        return False
    return not first.endswith((".", ";", ":")) or first.isupper()


class Item:
    """A heading or a paragraph of a law text."""

    def __init__(self, kind, **kw):
        self.kind = kind            # "h" or "p"
        self.level = kw.get("level", 0)
        self.label = kw.get("label", "")
        self.names = kw.get("names", [])      # heading names, HTML
        self.plain_names = kw.get("plain_names", [])
        self.notes = kw.get("notes", [])      # notes beside a heading label, HTML
        self.html = kw.get("html", "")
        self.css = kw.get("css", "")
        self.art = kw.get("art")              # article number of an "Art." paragraph
        self.art_label = kw.get("art_label")


def parse(text, start_marker):
    """Blocks of a law text from the block starting with start_marker."""
    blocks = [b for b in re.split(r"\n[ \t]*\n", text) if b.strip()]
    for i, block in enumerate(blocks):
        if block.lstrip().startswith(start_marker):
            blocks = blocks[i:]
            break
    else:
        raise ValueError("start of the law text not found: %r" % start_marker)

    items = []
    i = 0
    while i < len(blocks):
        raw = blocks[i]
        plain = _plain(raw)
        i += 1
        if not plain:
            continue
        m = LABEL_RE.match(plain[0])
        standalone = re.fullmatch(r"\*\*[^*]+\*\*", raw.strip()) and len(plain[0]) < 100 \
            and not _kind(plain[0])
        if m:
            word = m.group(1).lower().replace("í", "i").replace("ç", "c").replace("ã", "a")
            level = {"titulo": 2, "capitulo": 3, "secao": 4, "subsecao": 5}[word]
            label = "%s %s" % (m.group(1).capitalize() if m.group(1).isupper() else m.group(1),
                               m.group(2))
            names, plain_names, notes = [], [], []
            if m.group(3):
                names.append(html.escape(m.group(3).strip(), quote=False))
                plain_names.append(m.group(3).strip())
            for extra in plain[1:]:
                if extra.startswith("("):
                    notes.append(inline_html(extra))
                else:
                    names.append(html.escape(extra, quote=False))
                    plain_names.append(extra)
            # Up to two name blocks follow the label (a superseded and a new name).
            while len(plain_names) < 2 and i < len(blocks):
                nxt_plain = _plain(blocks[i])
                if not _name_like(nxt_plain, blocks[i]):
                    break
                names.append(inline_html(blocks[i]))
                plain_names.append(" ".join(nxt_plain))
                i += 1
            items.append(Item("h", level=level, label=label, names=names,
                              plain_names=plain_names, notes=notes))
        elif standalone:
            items.append(Item("h", level=2, label="", names=[inline_html(raw)],
                              plain_names=[" ".join(plain)]))
        else:
            quote = raw.lstrip().startswith(">")
            lines = [line for line in raw.split("\n") if line.strip()]
            if len(lines) > 1 and not quote:
                # Lines joined by hard breaks (the crimes chapter): one paragraph each.
                blocks[i - 1:i] = lines
                i -= 1
                continue
            art = ART_RE.match(raw.strip())
            art_label = None
            if art:
                lm = ART_LABEL_RE.match(raw.strip())
                art_label = lm.group(1) + ("º" if lm.group(2) else "") + \
                    ("-" + lm.group(3) if lm.group(3) else "")
            items.append(Item("p", html=inline_html(raw),
                              css="cit" if quote else _kind(plain[0]),
                              art=int(art.group(1)) if art else None, art_label=art_label))
    return items


def drop_repeats(items):
    """Drops chapters that the copy repeats.

    Article numbers only grow along the law; an article numbered below the
    highest one already seen starts a repeated stretch, which lasts until an
    article above that number comes. Headings are kept only when the article
    after them is kept. Several wordings of the same article share its number
    and are all kept.
    """
    out, pending = [], []
    highest, skipping = 0, False
    for item in items:
        if item.kind == "h":
            pending.append(item)
            continue
        if item.art is not None:
            if skipping:
                skipping = item.art <= highest
            elif item.art < highest:
                skipping = True
            if not skipping:
                highest = max(highest, item.art)
        if skipping:
            pending = []
            continue
        out.extend(pending)
        pending = []
        out.append(item)
    out.extend(pending)
    return out


def split(items, starts):
    """Cuts the items into documents.

    starts: heading names, in order, each beginning a document after the first
    (which begins at the first item). A document begins at its heading,
    together with the parent headings right before it.
    """
    cuts = [0]
    pos = 0
    for name in starts:
        for j in range(pos, len(items)):
            item = items[j]
            if item.kind == "h" and any(n.lower() == name.lower() for n in item.plain_names):
                k = j
                while k > cuts[-1] and items[k - 1].kind == "h" and items[k - 1].level < items[k].level:
                    k -= 1
                cuts.append(k)
                pos = j + 1
                break
        else:
            raise ValueError("heading not found: %r" % name)
    cuts.append(len(items))
    return [items[a:b] for a, b in zip(cuts, cuts[1:])]


def article_range(items):
    arts = [i.art_label for i in items if i.art_label]
    if not arts:
        return ""
    first, last = arts[0], arts[-1]
    if first == last:
        return "art. %s" % first
    joiner = "e" if len(set(arts)) == 2 else "a"
    return "arts. %s %s %s" % (first, joiner, last)


def render(items):
    out = []
    for item in items:
        if item.kind == "h":
            level = min(max(item.level, 2), 5)
            inner = []
            if item.label:
                inner.append('<span class="rotulo">%s</span>' % html.escape(item.label, quote=False))
            inner.append("<br>\n".join(item.names))
            for note in item.notes:
                inner.append("<br>\n" + (note if note.startswith("<span") else
                                          '<span class="nota">%s</span>' % note))
            out.append("<h%d>%s</h%d>" % (level, "\n".join(inner), level))
        else:
            cls = ' class="%s"' % item.css if item.css and item.css != "art" else ""
            body = item.html
            if item.css == "art":
                body = re.sub(r"^((?:<del>)?)(Art\.?\s*\d+(?:[º°o])?(?:\s*-\s*[A-Z])?\.?)",
                              r"\1<strong>\2</strong>", body)
            out.append("<p%s>%s</p>" % (cls, body))
    return "\n".join(out)
