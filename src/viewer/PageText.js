// The text of the page shown as the key-word search reads a text: capitals
// to small letters, accents away, each run of blanks as one blank, a line
// ending where the page breaks a line. Runs in the program's own script
// world, before PageMarks.js, which finds words in it.
(function () {
    'use strict';
    if (window.corvanelText) {
        return;
    }

    const kSkipped = new Set(['SCRIPT', 'STYLE', 'NOSCRIPT', 'TEXTAREA', 'SELECT', 'OPTION',
                              'TEMPLATE', 'TITLE', 'HEAD']);
    // Where a line ends in the page, the text breaks as it does at a line break.
    const kBreaking = new Set(['ADDRESS', 'ARTICLE', 'ASIDE', 'BLOCKQUOTE', 'BR', 'CAPTION',
                               'CENTER', 'DD', 'DIV', 'DL', 'DT', 'FIELDSET', 'FIGCAPTION',
                               'FIGURE', 'FOOTER', 'FORM', 'H1', 'H2', 'H3', 'H4', 'H5', 'H6',
                               'HEADER', 'HR', 'LI', 'MAIN', 'NAV', 'OL', 'P', 'PRE', 'SECTION',
                               'TABLE', 'TBODY', 'TD', 'TFOOT', 'TH', 'THEAD', 'TR', 'UL']);
    const kPastAscii = /[^\x00-\x7f]/;
    // A character past ASCII: a high surrogate goes with the unit after it.
    const kCharacters = /[\ud800-\udbff][\s\S]|[^\x00-\x7f]/g;
    const kCapitals = /[A-Z]+/g;
    // A run of blanks, but for a lone space. The program's table folds the
    // other blanks (no-break, thin, ideographic spaces) to a space first.
    const kBlanks = /[\t\n\v\f\r ]*[\t\n\v\f\r][\t\n\v\f\r ]*| {2,}/g;
    // Joins the texts of the nodes: the parser leaves it out of a page's
    // text, and folding keeps it. After a high surrogate it makes no pair.
    const kSeparator = '\x00';
    const kSeparatedCharacters = /[\ud800-\udbff][^\x00]|[^\x00-\x7f]/g;

    // The text nodes of the body in page order, their texts, and a flag on
    // each that says whether a line break lies between it and the one before.
    function textNodes() {
        const nodes = [];
        const texts = [];
        const breaks = [];
        if (!document.body) {
            return {nodes, texts, breaks};
        }
        let pendingBreak = false;
        const visit = (element) => {
            for (let child = element.firstChild; child; child = child.nextSibling) {
                const type = child.nodeType;
                if (type === 3) {  // text
                    const text = child.data;
                    if (text.length > 0) {
                        nodes.push(child);
                        texts.push(text);
                        breaks.push(pendingBreak);
                        pendingBreak = false;
                    }
                } else if (type === 1) {
                    const name = child.nodeName;
                    if (kSkipped.has(name)) {
                        continue;
                    }
                    const breaking = kBreaking.has(name);
                    pendingBreak = pendingBreak || breaking;
                    visit(child);
                    pendingBreak = pendingBreak || breaking;
                }
            }
        };
        visit(document.body);
        return {nodes, texts, breaks};
    }

    // The folder of characters past ASCII with the program's table (each
    // character to its folded form). A character the table does not name
    // stays as it is, and goes to missing when that is given; so does a
    // high surrogate not followed by a low one, which is never asked about.
    function folder(table, missing) {
        const forms = new Map();
        for (const character of Object.keys(table)) {
            forms.set(character.codePointAt(0), table[character]);
        }
        return (character) => {
            let key = character.charCodeAt(0);
            if (character.length === 2) {
                const low = character.charCodeAt(1);
                key = low >= 0xdc00 && low < 0xe000 ? character.codePointAt(0) : -1;
            }
            const form = key < 0 ? undefined : forms.get(key);
            if (form !== undefined) {
                return form;
            }
            if (key >= 0 && missing !== null) {
                missing.add(character);
            }
            return character;
        };
    }

    // The character of text at i, for i past ASCII, as kCharacters finds it.
    function characterAt(text, i) {
        const code = text.charCodeAt(i);
        return code >= 0xd800 && code < 0xdc00 && i + 1 < text.length ? text.substr(i, 2)
                                                                          : text[i];
    }

    // text folded, each run of blanks as one blank. The program's folded
    // forms hold no capitals: the capitals left are the text's own.
    function foldText(text, fold, characters = kCharacters) {
        if (kPastAscii.test(text)) {
            text = text.replace(characters, fold);
            text = kPastAscii.test(text)
                       ? text.replace(kCapitals, (capitals) => capitals.toLowerCase())
                       : text.toLowerCase();
        } else {
            text = text.toLowerCase();
        }
        return text.replace(kBlanks, ' ');
    }

    // The texts folded: joined, folded together and split again, unless
    // one of them holds the separator.
    function foldTexts(texts, fold) {
        const folded =
            foldText(texts.join(kSeparator), fold, kSeparatedCharacters).split(kSeparator);
        return folded.length === texts.length ? folded : texts.map((text) => foldText(text, fold));
    }

    // The page's text folded with table (see folder()), a break between
    // nodes read as a blank; with where each node's folded text starts and
    // ends in it.
    function foldedPage(table, missing) {
        const {nodes, texts, breaks} = textNodes();
        const fold = folder(table, missing);
        const folded = foldTexts(texts, fold);
        const parts = [];
        const starts = new Int32Array(nodes.length);
        const ends = new Int32Array(nodes.length);
        let length = 0;
        let afterBlank = false;
        for (let n = 0; n < nodes.length; ++n) {
            if (breaks[n] && !afterBlank) {
                parts.push(' ');
                ++length;
                afterBlank = true;
            }
            let text = folded[n];
            if (afterBlank && text.charCodeAt(0) === 32) {
                text = text.substring(1);
            }
            if (text.length > 0) {
                afterBlank = text.charCodeAt(text.length - 1) === 32;
                parts.push(text);
            }
            starts[n] = length;
            length += text.length;
            ends[n] = length;
        }
        return {text: parts.join(''), nodes, texts, starts, ends, fold, maps: new Map()};
    }

    // For each folded unit of node n up to local, the range [start, end)
    // of its text it came from, as pairs: the node folded again, a character
    // at a time, as far as the occurrences in it need.
    function unitMap(page, n, local) {
        let map = page.maps.get(n);
        if (map === undefined) {
            const start = page.starts[n];
            const afterBlank = start > 0 && page.text.charCodeAt(start - 1) === 32;
            map = {pairs: [], next: 0, afterBlank};
            page.maps.set(n, map);
        }
        const {pairs} = map;
        const text = page.texts[n];
        let i = map.next;
        let afterBlank = map.afterBlank;
        while (pairs.length <= 2 * local && i < text.length) {
            const code = text.charCodeAt(i);
            if (code < 0x80) {
                const blank = code === 32 || (code >= 9 && code <= 13);
                if (!blank || !afterBlank) {
                    pairs.push(i, i + 1);
                }
                afterBlank = blank;
                ++i;
                continue;
            }
            const character = characterAt(text, i);
            const form = page.fold(character);
            for (let k = 0; k < form.length; ++k) {
                const unit = form.charCodeAt(k);
                const blank = unit === 32 || (unit >= 9 && unit <= 13);
                if (!blank || !afterBlank) {
                    pairs.push(i, i + character.length);
                }
                afterBlank = blank;
            }
            i += character.length;
        }
        map.next = i;
        map.afterBlank = afterBlank;
        return pairs;
    }

    // The last node whose folded text starts at or before position, or -1.
    function nodeAt(page, position) {
        let low = 0;
        let high = page.starts.length;
        while (low < high) {
            const middle = (low + high) >> 1;
            if (page.starts[middle] <= position) {
                low = middle + 1;
            } else {
                high = middle;
            }
        }
        return low - 1;
    }

    // Where in the page's text nodes folded unit position came from:
    // [node, start, end], or null for a break between nodes.
    function source(page, position) {
        const n = nodeAt(page, position);
        if (n < 0 || position >= page.ends[n]) {
            return null;
        }
        const local = position - page.starts[n];
        const pairs = unitMap(page, n, local);
        return [n, pairs[2 * local], pairs[2 * local + 1]];
    }

    window.corvanelText = {foldedPage, source};
})();
