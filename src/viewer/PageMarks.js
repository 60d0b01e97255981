// Marks words in the page shown, found the way the key-word search finds
// them in the page's text (PageText.js). Runs in the program's own script
// world: the page's scripts neither see nor change it. The program folds
// the words and hands over the folded form of the characters pages commonly
// use; a page using others is told back (mark() answers with them) and
// marked once the program folded those too. Every occurrence is counted and
// the first shown at once; the rest are marked a slice at a time (more()),
// so that a long page never stalls.
(function () {
    'use strict';
    if (window.corvanelMarks) {
        return;
    }

    const kMarkTag = 'corvanel-marca';
    const kCurrentClass = 'corvanel-atual';
    const kStyleId = 'corvanel-marcas-estilo';
    // Occurrences marked with the first one: those shown with it, as far as
    // a screenful of text after it.
    const kFirstMarks = 32;
    const kScreenful = 3000;

    let marking = null;  // what mark() found, and how much of it is marked
    let current = -1;

    // Letters, numbers and private-use characters of the folded text (the
    // search's word characters): what a whole word is made of.
    const kWordCharacter = /^[\p{L}\p{N}\p{Co}]$/u;

    // The character whose UTF-16 unit is at text[at], whole: a character
    // beyond U+FFFF is two units, and either one stands for it.
    function characterAt(text, at) {
        const unit = text.charCodeAt(at);
        if (unit >= 0xDC00 && unit <= 0xDFFF && at > 0) {
            const lead = text.charCodeAt(at - 1);
            if (lead >= 0xD800 && lead <= 0xDBFF) {
                return text.slice(at - 1, at + 1);
            }
        }
        return String.fromCodePoint(text.codePointAt(at));
    }

    function isWordCharacter(text, at) {
        return at >= 0 && at < text.length && kWordCharacter.test(characterAt(text, at));
    }

    // Whether [start, end) of text is whole where it begins and ends with
    // a word character: no letter or digit goes on either side of it.
    function isWhole(text, start, end) {
        return !(isWordCharacter(text, start) && isWordCharacter(text, start - 1)) &&
               !(isWordCharacter(text, end - 1) && isWordCharacter(text, end));
    }

    // Occurrences of every needle, left to right, none overlapping another;
    // only whole ones when wholeWords.
    function occurrences(text, needles, wholeWords) {
        const found = [];
        for (const needle of needles) {
            if (needle.length === 0) {
                continue;
            }
            for (let at = text.indexOf(needle); at >= 0;
                 at = text.indexOf(needle, at + (wholeWords ? 1 : needle.length))) {
                if (!wholeWords || isWhole(text, at, at + needle.length)) {
                    found.push([at, at + needle.length]);
                }
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

    // How many units a and b have alike, from their ends when backwards.
    function alike(a, b, backwards) {
        const most = Math.min(a.length, b.length);
        let n = 0;
        while (n < most && (backwards ? a[a.length - 1 - n] === b[b.length - 1 - n]
                                      : a[n] === b[n])) {
            ++n;
        }
        return n;
    }

    // The occurrence the text around it (near: a passage, folded, around its
    // first occurrence of a needle) tells: the first inside a copy of near;
    // else the one with the most alike on either side; else the first.
    function nearest(text, ranges, needles, near) {
        if (!near || ranges.length < 2) {
            return 0;
        }
        const copy = text.indexOf(near);
        if (copy >= 0) {
            const m = ranges.findIndex((range) => range[0] >= copy);
            if (m >= 0 && ranges[m][1] <= copy + near.length) {
                return m;
            }
        }
        let first = -1;
        let length = 0;
        for (const needle of needles) {
            const at = needle.length > 0 ? near.indexOf(needle) : -1;
            if (at >= 0 && (first < 0 || at < first)) {
                first = at;
                length = needle.length;
            }
        }
        if (first < 0) {
            return 0;
        }
        const before = near.substring(0, first);
        const after = near.substring(first + length);
        // A few units alike may be chance: a word or so is needed.
        let best = 0;
        let bestScore = 8;
        for (let m = 0; m < ranges.length; ++m) {
            const [start, end] = ranges[m];
            const score =
                alike(text.substring(Math.max(0, start - before.length), start), before, true) +
                alike(text.substring(end, end + after.length), after, false);
            if (score > bestScore) {
                best = m;
                bestScore = score;
            }
        }
        return best;
    }

    // The pieces of text nodes occurrence m covers: [node, start, end]. A
    // character folding to several units may end the occurrence before and
    // start this one: it stays with the one before.
    function pieces(page, ranges, m) {
        const [from, to] = ranges[m];
        const before = m > 0 ? corvanelText.source(page, ranges[m - 1][1] - 1) : null;
        const result = [];
        for (let p = from; p < to; ++p) {
            const piece = corvanelText.source(page, p);
            if (piece === null ||
                (before !== null && piece[0] === before[0] && piece[1] === before[1])) {
                continue;
            }
            const last = result[result.length - 1];
            if (last && last[0] === piece[0]) {
                last[1] = Math.min(last[1], piece[1]);
                last[2] = Math.max(last[2], piece[2]);
            } else {
                result.push(piece);
            }
        }
        return result;
    }

    // Wraps [start, end) of text node n in a mark for occurrence m. A node
    // split before keeps, in cuts, where each of its parts starts.
    function wrap(page, n, start, end, m) {
        let parts = page.cuts.get(n);
        if (parts === undefined) {
            if (page.nodes[n].data !== page.texts[n]) {
                return null;
            }
            parts = [0, page.nodes[n]];
            page.cuts.set(n, parts);
        }
        let k = parts.length - 2;
        while (k > 0 && parts[k] > start) {
            k -= 2;
        }
        let piece = parts[k + 1];
        // The page's own scripts may have changed or moved it meanwhile.
        if (!piece.parentNode || end - parts[k] > piece.data.length) {
            return null;
        }
        if (start > parts[k]) {
            piece = piece.splitText(start - parts[k]);
            k += 2;
            parts.splice(k, 0, start, piece);
        }
        if (end - start < piece.data.length) {
            parts.splice(k + 2, 0, end, piece.splitText(end - start));
        }
        const element = document.createElement(kMarkTag);
        element.dataset.ocorrencia = String(m);
        piece.parentNode.insertBefore(element, piece);
        element.appendChild(piece);
        return element;
    }

    // Puts occurrence m's marks in the page, once.
    function insert(m) {
        if (marking.elements[m] !== undefined) {
            return;
        }
        const parts = pieces(marking.page, marking.ranges, m);
        const elements = [];
        for (const [n, start, end] of parts) {
            const element = wrap(marking.page, n, start, end, m);
            if (element) {
                elements.push(element);
                marking.inserted.push(element);
            }
        }
        if (parts.length === 0 && m > 0) {
            insert(m - 1);
            elements.push(...marking.elements[m - 1].slice(-1));
        }
        marking.elements[m] = elements;
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

    // Removes the marks, pending ones included.
    function clear() {
        if (marking !== null) {
            const parents = new Set();
            for (const mark of marking.inserted) {
                const parent = mark.parentNode;
                if (!parent) {
                    continue;
                }
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
        }
        marking = null;
        current = -1;
    }

    // How many occurrences are still to be marked.
    function pending() {
        return marking === null ? 0 : marking.ranges.length - marking.next;
    }

    // Marks the needles (folded by the program) in the text folded with
    // table, for the program's request token; only whole words when
    // wholeWords. Answers the characters the table lacks when asked to; or
    // else makes current the occurrence near tells (see nearest(); the
    // first without it), scrolled into sight when reveal, and answers [its
    // number from 1, the count, how many are still to be marked].
    function mark(token, table, needles, askMissing, reveal = true, near = '',
                  wholeWords = false) {
        clear();
        const missing = askMissing ? new Set() : null;
        const page = corvanelText.foldedPage(table, missing);
        if (missing !== null && missing.size > 0) {
            return Array.from(missing).join('');
        }
        page.cuts = new Map();
        const ranges = occurrences(page.text, needles, wholeWords);
        marking = {token, page, ranges, elements: new Array(ranges.length), inserted: [], next: 0};
        if (ranges.length > 0) {
            addStyle();
        }
        const chosen = nearest(page.text, ranges, needles, near);
        // Those shown with the one made current come with it.
        for (let m = chosen; m < Math.min(ranges.length, chosen + kFirstMarks) &&
                             ranges[m][0] - ranges[chosen][0] < kScreenful;
             ++m) {
            insert(m);
        }
        for (let m = chosen - 1; m >= Math.max(0, chosen - kFirstMarks) &&
                                 ranges[chosen][0] - ranges[m][0] < kScreenful;
             --m) {
            insert(m);
        }
        while (marking.next < ranges.length && marking.elements[marking.next] !== undefined) {
            ++marking.next;
        }
        return go(chosen, reveal).concat(pending());
    }

    // Marks up to most further occurrences of request token, for about
    // milliseconds; answers how many are still to be marked.
    function more(token, milliseconds, most) {
        if (marking === null || marking.token !== token) {
            return 0;
        }
        const until = performance.now() + milliseconds;
        const last = Math.min(marking.ranges.length, marking.next + most);
        while (marking.next < last) {
            insert(marking.next++);
            if (marking.next % 8 === 0 && performance.now() > until) {
                break;
            }
        }
        return pending();
    }

    // Makes occurrence index (wrapping round) the current one and scrolls
    // it into sight unless told not to; returns [its number from 1, the count].
    function go(index, reveal = true) {
        const count = marking === null ? 0 : marking.ranges.length;
        if (count === 0) {
            return [0, 0];
        }
        if (current >= 0) {
            for (const element of marking.elements[current]) {
                element.classList.remove(kCurrentClass);
            }
        }
        current = ((index % count) + count) % count;
        insert(current);
        const elements = marking.elements[current];
        for (const element of elements) {
            element.classList.add(kCurrentClass);
        }
        if (reveal && elements.length > 0) {
            elements[0].scrollIntoView({block: 'center', inline: 'nearest'});
        }
        return [current + 1, count];
    }

    function step(by) {
        return go(current < 0 && by < 0 ? -1 : current + by);
    }

    window.corvanelMarks = {mark, more, clear, go, step};
})();
