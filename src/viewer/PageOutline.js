// The blocks of the page shown, for the "Sumário": the first line of each
// innermost block, the line after it and its heading level. Runs in the
// program's own script world; the page is read, never changed.
(function () {
    'use strict';
    if (window.corvanelOutline) {
        return;
    }

    const kBlocks = 'h1, h2, h3, h4, h5, h6, p, div, li, dt, dd, td, th, blockquote, pre, ' +
                    'center, address, section, article';
    const kLongestLine = 300;
    let blocks = [];

    function read() {
        blocks = [];
        const lines = [];
        if (!document.body) {
            return lines;
        }
        for (const element of document.body.querySelectorAll(kBlocks)) {
            // A block holding blocks is read through them.
            if (element.querySelector(kBlocks)) {
                continue;
            }
            const text = element.innerText || '';
            const parts = [];
            for (const line of text.split('\n')) {
                const trimmed = line.trim();
                if (trimmed) {
                    parts.push(trimmed.slice(0, kLongestLine));
                    if (parts.length === 2) {
                        break;
                    }
                }
            }
            if (parts.length === 0) {
                continue;
            }
            const heading = /^H([1-6])$/.exec(element.nodeName);
            blocks.push(element);
            lines.push([parts[0], parts[1] || '', heading ? +heading[1] : 0]);
        }
        return lines;
    }

    function go(index) {
        const element = blocks[index];
        if (!element || !element.isConnected) {
            return false;
        }
        element.scrollIntoView({block: 'start', inline: 'nearest'});
        return true;
    }

    window.corvanelOutline = {read, go};
})();
