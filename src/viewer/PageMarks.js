// Marks words in the page shown, found the way the key-word search finds
// them. Runs in the program's own script world: the page's scripts neither
// see nor change it. The program folds the words and every character the
// page uses (characters(), then mark()), so both sides fold alike.
(function () {
    'use strict';
    if (window.corvanelMarks) {
        return;
    }

    const kMarkTag = 'corvanel-marca';
    const kCurrentClass = 'corvanel-atual';
    const kStyleId = 'corvanel-marcas-estilo';
    const kSkipped = new Set(['SCRIPT', 'STYLE', 'NOSCRIPT', 'TEXTAREA', 'SELECT', 'OPTION',
                              'TEMPLATE', 'TITLE', 'HEAD']);
    // Where a line ends in the page, the text breaks as it does at a line break.
    const kBreaking = new Set(['ADDRESS', 'ARTICLE', 'ASIDE', 'BLOCKQUOTE', 'BR', 'CAPTION',
                               'CENTER', 'DD', 'DIV', 'DL', 'DT', 'FIELDSET', 'FIGCAPTION',
                               'FIGURE', 'FOOTER', 'FORM', 'H1', 'H2', 'H3', 'H4', 'H5', 'H6',
                               'HEADER', 'HR', 'LI', 'MAIN', 'NAV', 'OL', 'P', 'PRE', 'SECTION',
                               'TABLE', 'TBODY', 'TD', 'TFOOT', 'TH', 'THEAD', 'TR', 'UL']);

    let matches = [];  // per match, its mark elements in page order
    let current = -1;

    // The text nodes of the body in page order, with a flag on each that
    // says whether a line break lies between it and the one before.
    function textNodes() {
        const nodes = [];
        const breaks = [];
        if (!document.body) {
            return {nodes, breaks};
        }
        let pendingBreak = false;
        const visit = (element) => {
            for (let child = element.firstChild; child; child = child.nextSibling) {
                if (child.nodeType === Node.TEXT_NODE) {
                    if (child.data.length > 0) {
                        nodes.push(child);
                        breaks.push(pendingBreak);
                        pendingBreak = false;
                    }
                } else if (child.nodeType === Node.ELEMENT_NODE && !kSkipped.has(child.nodeName)) {
                    const breaking = kBreaking.has(child.nodeName);
                    pendingBreak = pendingBreak || breaking;
                    visit(child);
                    pendingBreak = pendingBreak || breaking;
                }
            }
        };
        visit(document.body);
        return {nodes, breaks};
    }

    // Every character past ASCII the page's text uses, once: ASCII folds by
    // itself (capitals to small letters), the program folds the rest.
    function characters() {
        const seen = new Set();
        for (const node of textNodes().nodes) {
            const data = node.data;
            for (let i = 0; i < data.length; ++i) {
                const code = data.charCodeAt(i);
                if (code < 0x80) {
                    continue;
                }
                const pair = code >= 0xD800 && code < 0xDC00 && i + 1 < data.length;
                seen.add(pair ? data.substr(i++, 2) : data[i]);
            }
        }
        return Array.from(seen).join('');
    }

    function isBlank(code) {
        return code === 32 || (code >= 9 && code <= 13);
    }

    // The page's text folded with table (a Map), blanks and breaks read as
    // one blank, and for each folded UTF-16 unit its node and the UTF-16
    // range of the character it came from (node -1: a break between nodes).
    function foldedText(table) {
        const {nodes, breaks} = textNodes();
        let capacity = nodes.length + 16;
        for (const node of nodes) {
            capacity += node.data.length;
        }
        let codes = new Uint16Array(capacity);
        let fromNode = new Int32Array(capacity);
        let fromStart = new Int32Array(capacity);
        let fromEnd = new Int32Array(capacity);
        let length = 0;
        let afterBlank = false;
        const grow = () => {
            capacity *= 2;
            const larger = (array) => {
                const copy = new array.constructor(capacity);
                copy.set(array);
                return copy;
            };
            codes = larger(codes);
            fromNode = larger(fromNode);
            fromStart = larger(fromStart);
            fromEnd = larger(fromEnd);
        };
        const push = (code, node, start, end) => {
            const blank = isBlank(code);
            if (blank && afterBlank) {
                return;
            }
            if (length === capacity) {
                grow();
            }
            codes[length] = blank ? 32 : code;
            fromNode[length] = node;
            fromStart[length] = start;
            fromEnd[length] = end;
            ++length;
            afterBlank = blank;
        };
        for (let n = 0; n < nodes.length; ++n) {
            if (breaks[n]) {
                push(10, -1, 0, 0);
            }
            const data = nodes[n].data;
            for (let i = 0; i < data.length; ++i) {
                const code = data.charCodeAt(i);
                if (code < 0x80) {
                    push(code >= 65 && code <= 90 ? code + 32 : code, n, i, i + 1);
                    continue;
                }
                const pair = code >= 0xD800 && code < 0xDC00 && i + 1 < data.length;
                const character = pair ? data.substr(i, 2) : data[i];
                const folded = table.get(character);
                const end = i + character.length;
                if (folded === undefined) {
                    for (let k = 0; k < character.length; ++k) {
                        push(character.charCodeAt(k), n, i, end);
                    }
                } else {
                    for (let k = 0; k < folded.length; ++k) {
                        push(folded.charCodeAt(k), n, i, end);
                    }
                }
                i = end - 1;
            }
        }
        const text = new TextDecoder('utf-16le').decode(codes.subarray(0, length));
        return {text, nodes, fromNode, fromStart, fromEnd};
    }

    // Occurrences of every needle, left to right, none overlapping another.
    function occurrences(text, needles) {
        const found = [];
        for (const needle of needles) {
            if (needle.length === 0) {
                continue;
            }
            for (let at = text.indexOf(needle); at >= 0;
                 at = text.indexOf(needle, at + needle.length)) {
                found.push([at, at + needle.length]);
            }
        }
        found.sort((a, b) => a[0] - b[0] || b[1] - a[1]);
        const kept = [];
        for (const range of found) {
            if (kept.length === 0 || range[0] >= kept[kept.length - 1][1]) {
                kept.push(range);
            }
        }
        return kept;
    }

    // The pieces of text nodes a folded range covers: [node, start, end].
    function pieces(folded, range) {
        const result = [];
        for (let i = range[0]; i < range[1]; ++i) {
            const node = folded.fromNode[i];
            if (node < 0) {
                continue;
            }
            const last = result[result.length - 1];
            if (last && last[0] === node) {
                last[1] = Math.min(last[1], folded.fromStart[i]);
                last[2] = Math.max(last[2], folded.fromEnd[i]);
            } else {
                result.push([node, folded.fromStart[i], folded.fromEnd[i]]);
            }
        }
        return result;
    }

    function addStyle() {
        if (document.getElementById(kStyleId) || !document.head) {
            return;
        }
        const style = document.createElement('style');
        style.id = kStyleId;
        style.textContent =
            kMarkTag + ' { background: #fff176 !important; color: #000 !important; }\n' +
            kMarkTag + '.' + kCurrentClass + ' { background: #ff9632 !important; }\n' +
            '@media print { ' + kMarkTag +
            ' { background: none !important; color: inherit !important; } }\n';
        document.head.appendChild(style);
    }

    function clear() {
        const parents = new Set();
        for (const mark of document.querySelectorAll(kMarkTag)) {
            const parent = mark.parentNode;
            while (mark.firstChild) {
                parent.insertBefore(mark.firstChild, mark);
            }
            parent.removeChild(mark);
            parents.add(parent);
        }
        // The page's text nodes as they were before the marks split them.
        for (const parent of parents) {
            parent.normalize();
        }
        matches = [];
        current = -1;
    }

    // Marks the needles (folded by the program) in the text folded with
    // table; returns how many occurrences were marked.
    function mark(table, needles) {
        clear();
        const folded = foldedText(new Map(Object.entries(table)));
        const ranges = occurrences(folded.text, needles);
        const marked = ranges.map(() => []);
        // From the last piece to the first, so splitting a text node leaves
        // the offsets of the pieces before it as they were.
        for (let m = ranges.length - 1; m >= 0; --m) {
            const parts = pieces(folded, ranges[m]);
            for (let p = parts.length - 1; p >= 0; --p) {
                const [n, start, end] = parts[p];
                const piece = folded.nodes[n].splitText(start);
                piece.splitText(end - start);
                const element = document.createElement(kMarkTag);
                element.dataset.ocorrencia = String(m);
                piece.parentNode.insertBefore(element, piece);
                element.appendChild(piece);
                marked[m].unshift(element);
            }
        }
        matches = marked.filter((elements) => elements.length > 0);
        if (matches.length > 0) {
            addStyle();
        }
        return matches.length;
    }

    // Makes occurrence index (wrapping round) the current one and scrolls
    // it into sight; returns [its number from 1, the count].
    function go(index) {
        if (matches.length === 0) {
            return [0, 0];
        }
        if (current >= 0) {
            for (const element of matches[current]) {
                element.classList.remove(kCurrentClass);
            }
        }
        current = ((index % matches.length) + matches.length) % matches.length;
        for (const element of matches[current]) {
            element.classList.add(kCurrentClass);
        }
        matches[current][0].scrollIntoView({block: 'center', inline: 'nearest'});
        return [current + 1, matches.length];
    }

    function step(by) {
        return go(current < 0 && by < 0 ? -1 : current + by);
    }

    window.corvanelMarks = {characters, mark, clear, go, step};
})();
