"""Page template shared by every page of the sample collection.

Every page is self-contained: UTF-8, its own style sheet, no remote resource,
and the small script that prints the page when it is opened with
"?op=Imprimir" (that is how the viewer's print button works).
"""

import html
import re

GREEN = "rgb(123, 198, 33)"

PRINT_SCRIPT = (
    "if (/(^|[?&])op=Imprimir(&|$)/.test(location.search)) "
    "window.addEventListener('load', function () { window.print(); });"
)

CSS = """
html { background: #fff; }
body { margin: 0; padding: 0 0 28px; background: #fff; color: #222;
  font-family: Arial, "Liberation Sans", Helvetica, sans-serif;
  font-size: 15px; line-height: 1.5; }
.topo { border-top: 6px solid rgb(123, 198, 33); background: #f3f9ec;
  border-bottom: 1px solid #d6eabf; padding: 14px 28px 12px; }
.secao { margin: 0; font-size: 12px; font-weight: bold; letter-spacing: .08em;
  text-transform: uppercase; color: #467a12; }
h1 { margin: 4px 0 2px; font-size: 22px; line-height: 1.25; color: #1f3d06; }
.sub { margin: 0; font-size: 14px; color: #555; }
.aviso { margin: 16px 28px 0; max-width: 690px; box-sizing: border-box; padding: 9px 14px;
  border-left: 4px solid rgb(123, 198, 33); background: #f7fbf2;
  font-size: 13px; line-height: 1.45; color: #333; }
.aviso p { margin: 0; }
.corpo { max-width: 690px; padding: 14px 28px 0; }
h2 { margin: 26px 0 8px; padding-bottom: 3px; font-size: 18px; color: #2e5a0b;
  border-bottom: 2px solid rgb(123, 198, 33); }
h3 { margin: 22px 0 6px; font-size: 16px; color: #2e5a0b; }
h4 { margin: 18px 0 6px; font-size: 15px; color: #333; }
h5 { margin: 16px 0 4px; font-size: 14px; color: #444; }
.rotulo { display: block; font-size: 12px; font-weight: normal;
  letter-spacing: .06em; text-transform: uppercase; color: #5d8a2a; }
p { margin: 0 0 10px; }
ul, ol { margin: 0 0 12px; padding-left: 1.6em; }
li { margin-bottom: 5px; }
.par { margin-left: 1em; }
.inc { margin-left: 2em; }
.ali { margin-left: 3.2em; }
.cit { margin-left: 2em; padding-left: 10px; border-left: 2px solid #dbe9cc; color: #333; }
.pena { margin-left: 2em; font-style: italic; }
.nota { font-size: 12.5px; color: #6d6d6d; }
del { color: #8a8a8a; }
.ementa { margin: 6px 0 14px; padding: 10px 14px; background: #fafcf7; border: 1px solid #e1eed3; }
.ficha { margin: 0 0 14px; font-size: 14px; color: #444; }
.ficha b { color: #2e5a0b; }
.campo { padding: 0 2px; background: #eef6e3; color: #3d5c1c; }
a { color: #336b0a; }
.rodape { max-width: 690px; margin: 30px 28px 0; padding-top: 8px;
  border-top: 1px solid #dde9cf; font-size: 12px; color: #777; }
@media print {
  .topo, .aviso, .ementa { background: none; }
  body { font-size: 11pt; }
  a { color: #222; }
}
""".strip()

FOOTER = "Corvanel &middot; coleção de amostra"


def esc(text):
    """Escapes text for HTML element content (quotes kept as typed)."""
    return html.escape(text, quote=False)


def inline(text):
    """Plain text of the hand-written sources to HTML: escaping plus **bold**."""
    out = esc(text)
    out = re.sub(r"\*\*(.+?)\*\*", r"<strong>\1</strong>", out)
    # blanks of the models, such as [comarca], stand out
    return re.sub(r"\[[^\[\]]+\]", r'<span class="campo">\g<0></span>', out)


def blocks_to_html(paragraphs):
    """Renders the small markup of the hand-written sources.

    "## x" heading, "### x" sub-heading, "- x" list item (consecutive items form
    one list), "> x" indented quotation, "=: x" a title line of a model, anything
    else a paragraph.
    """
    out = []
    items = []

    def flush():
        if items:
            out.append("<ul>\n" + "\n".join("<li>%s</li>" % i for i in items) + "\n</ul>")
            items.clear()

    for para in paragraphs:
        if para.startswith("- "):
            items.append(inline(para[2:]))
            continue
        flush()
        if para.startswith("### "):
            out.append("<h3>%s</h3>" % inline(para[4:]))
        elif para.startswith("## "):
            out.append("<h2>%s</h2>" % inline(para[3:]))
        elif para.startswith("> "):
            out.append('<p class="cit">%s</p>' % inline(para[2:]))
        elif para.startswith("=: "):
            out.append('<p style="text-align:center"><strong>%s</strong></p>' % inline(para[3:]))
        else:
            out.append("<p>%s</p>" % inline(para))
    flush()
    return "\n".join(out)


def plain_text(paragraphs):
    """The same markup as plain lines (used for the texts shown in result lists)."""
    lines = []
    for para in paragraphs:
        for prefix in ("### ", "## ", "- ", "> ", "=: "):
            if para.startswith(prefix):
                para = para[len(prefix):]
                break
        lines.append(para.replace("**", ""))
    return "\n".join(lines)


def page(title, body, section=None, subtitle=None, notice=None, extra_css="",
         body_class=None, footer=False):
    """A complete page. body is HTML; notice is HTML shown in the green box."""
    head = [
        "<!DOCTYPE html>",
        '<html lang="pt-BR">',
        "<head>",
        '<meta charset="utf-8">',
        '<meta name="viewport" content="width=device-width, initial-scale=1">',
        "<title>%s</title>" % esc(title),
        "<style>\n%s%s\n</style>" % (CSS, ("\n" + extra_css.strip()) if extra_css else ""),
        "<script>%s</script>" % PRINT_SCRIPT,
        "</head>",
        "<body%s>" % (' class="%s"' % body_class if body_class else ""),
    ]
    parts = head
    if section is not None or subtitle is not None or title:
        top = ['<div class="topo">']
        if section:
            top.append('<p class="secao">%s</p>' % esc(section))
        top.append("<h1>%s</h1>" % esc(title))
        if subtitle:
            top.append('<p class="sub">%s</p>' % esc(subtitle))
        top.append("</div>")
        parts.append("\n".join(top))
    if notice:
        parts.append('<div class="aviso"><p>%s</p></div>' % notice)
    parts.append('<div class="corpo">\n%s\n</div>' % body.strip())
    if footer:
        parts.append('<p class="rodape">%s</p>' % FOOTER)
    parts.append("</body>")
    parts.append("</html>")
    return "\n".join(parts) + "\n"
