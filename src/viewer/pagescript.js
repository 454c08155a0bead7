// Page operations of the document view. Injected into every page of a view, in
// the view's own script world, so the page's own scripts can neither see nor
// replace these functions. Every function returns a plain value that the
// view hands back to C++.
(function () {
    'use strict';
    if (window.kelvorPage) return;

    // Text inside these elements is never shown, so it is neither searched
    // nor counted.
    const HIDDEN = new Set(['SCRIPT', 'STYLE', 'NOSCRIPT', 'TEMPLATE', 'TITLE', 'HEAD']);

    // Ranges live here; C++ holds their ids. The token keeps an id of an
    // earlier page from naming a range of the current one.
    const ranges = new Map();
    const token = Math.random().toString(36).slice(2) + Date.now().toString(36);
    let nextRange = 1;

    // The library's own menu replaces the browser's; this also covers pages
    // whose scripts would show it.
    document.addEventListener('contextmenu', function (e) { e.preventDefault(); }, true);

    function withCrLf(text) {
        return String(text).replace(/\r\n|\r|\n/g, '\r\n');
    }

    function root() {
        return document.body || document.documentElement;
    }

    function textNodes() {
        const top = root();
        if (!top) return [];
        const walker = document.createTreeWalker(top, NodeFilter.SHOW_ELEMENT | NodeFilter.SHOW_TEXT, {
            acceptNode(node) {
                if (node.nodeType === Node.TEXT_NODE) return NodeFilter.FILTER_ACCEPT;
                return HIDDEN.has(node.nodeName) ? NodeFilter.FILTER_REJECT : NodeFilter.FILTER_SKIP;
            }
        });
        const nodes = [];
        for (let n = walker.nextNode(); n; n = walker.nextNode()) nodes.push(n);
        return nodes;
    }

    // The body's text as one stream of characters; a range boundary maps to
    // an index into it and back.
    function stream() {
        const nodes = textNodes();
        const starts = [];
        let length = 0;
        for (const n of nodes) {
            starts.push(length);
            length += n.data.length;
        }
        return { nodes, starts, length, text: nodes.map(n => n.data).join('') };
    }

    function indexOfPoint(s, container, offset) {
        const probe = document.createRange();
        try {
            probe.setStart(container, offset);
        } catch (e) {
            return 0;
        }
        for (let i = 0; i < s.nodes.length; ++i) {
            const n = s.nodes[i];
            if (n === container) return s.starts[i] + Math.min(offset, n.data.length);
            // Point of the node's end at or before the probe: the whole node lies before it.
            if (probe.comparePoint(n, n.data.length) <= 0) continue;
            return s.starts[i];
        }
        return s.length;
    }

    // A start prefers the beginning of the following node, an end the end of
    // the preceding one, so a range never reaches into a neighbour it does
    // not cover.
    function pointAt(s, index, isEnd) {
        if (s.nodes.length === 0) {
            const top = root();
            return { node: top, offset: isEnd && top ? top.childNodes.length : 0 };
        }
        index = Math.max(0, Math.min(index, s.length));
        // The first node whose end lies beyond the index (at or beyond it
        // for an end); node ends only grow, so a binary search finds it.
        let low = 0;
        let high = s.nodes.length;
        while (low < high) {
            const mid = (low + high) >> 1;
            const end = s.starts[mid] + s.nodes[mid].data.length;
            if (isEnd ? index <= end : index < end)
                high = mid;
            else
                low = mid + 1;
        }
        if (low < s.nodes.length) return { node: s.nodes[low], offset: index - s.starts[low] };
        const last = s.nodes[s.nodes.length - 1];
        return { node: last, offset: last.data.length };
    }

    function setIndexes(r, s, start, end) {
        const a = pointAt(s, start, false);
        const b = pointAt(s, Math.max(start, end), true);
        r.setStart(a.node, a.offset);
        r.setEnd(b.node, b.offset);
    }

    function isBlank(c) {
        return /\s/.test(c);
    }

    // Case-folded text with every run of white space made one blank, as the
    // page shows it; map[i] is the stream index of folded character i.
    function folded(text) {
        const chars = [];
        const map = [];
        let lastBlank = false;
        for (let i = 0; i < text.length; ++i) {
            const c = text[i];
            if (isBlank(c)) {
                if (lastBlank) continue;
                chars.push(' ');
                lastBlank = true;
            } else {
                const lower = c.toLowerCase();
                chars.push(lower.length === 1 ? lower : c);
                lastBlank = false;
            }
            map.push(i);
        }
        return { text: chars.join(''), map };
    }

    function range(id) {
        return ranges.get(String(id)) || null;
    }

    function bodyRange() {
        const top = root();
        if (!top) return '';
        const r = document.createRange();
        r.selectNodeContents(top);
        const id = token + ':' + nextRange++;
        ranges.set(id, r);
        return id;
    }

    function releaseRange(id) {
        return ranges.delete(String(id));
    }

    function findText(id, what) {
        const r = range(id);
        const needle = folded(String(what)).text;
        if (!r || needle.length === 0) return false;
        const s = stream();
        const from = indexOfPoint(s, r.startContainer, r.startOffset);
        const hay = folded(s.text.slice(from));
        const at = hay.text.indexOf(needle);
        if (at < 0) return false;
        setIndexes(r, s, from + hay.map[at], from + hay.map[at + needle.length - 1] + 1);
        return true;
    }

    function rangeText(id) {
        const r = range(id);
        if (!r) return '';
        const s = stream();
        const start = indexOfPoint(s, r.startContainer, r.startOffset);
        const end = indexOfPoint(s, r.endContainer, r.endOffset);
        return s.text.slice(start, Math.max(start, end));
    }

    function selectRange(id) {
        const r = range(id);
        if (!r) return false;
        const selection = window.getSelection();
        selection.removeAllRanges();
        selection.addRange(r.cloneRange());
        return true;
    }

    // The range ends up collapsed behind the inserted HTML, so pasting again
    // adds after it and a following find continues behind it.
    function pasteHtml(id, html) {
        const r = range(id);
        if (!r) return false;
        r.deleteContents();
        const fragment = r.createContextualFragment(String(html));
        const last = fragment.lastChild;
        r.insertNode(fragment);
        if (last) r.setStartAfter(last);
        r.collapse(true);
        return true;
    }

    function collapse(id, toStart) {
        const r = range(id);
        if (!r) return false;
        r.collapse(!!toStart);
        return true;
    }

    function moveStart(id, count) {
        const r = range(id);
        if (!r) return false;
        const s = stream();
        const start = indexOfPoint(s, r.startContainer, r.startOffset) + Math.trunc(count);
        const end = indexOfPoint(s, r.endContainer, r.endOffset);
        const clamped = Math.max(0, Math.min(start, s.length));
        setIndexes(r, s, clamped, Math.max(clamped, end));
        return true;
    }

    function moveEnd(id, count) {
        const r = range(id);
        if (!r) return false;
        const s = stream();
        const start = indexOfPoint(s, r.startContainer, r.startOffset);
        const end = indexOfPoint(s, r.endContainer, r.endOffset) + Math.trunc(count);
        const clamped = Math.max(0, Math.min(end, s.length));
        setIndexes(r, s, Math.min(start, clamped), clamped);
        return true;
    }

    // Wraps every occurrence of `what` (case ignored, runs of white space
    // matching one blank) in a highlight span, <span style='background:COLOUR'>,
    // that keeps the page's own letters; each search continues behind the
    // previous match. The matches are found on the text as it stands and
    // replaced from the last to the first, so the text nodes of earlier
    // matches stay where they were found and a page of any size is marked in
    // one pass. The span is built as an element rather than parsed from
    // markup, so a matched "<" or "&" stays text. Gives the number marked.
    function markAll(what, colour) {
        const needle = folded(String(what)).text;
        if (needle.length === 0 || !root()) return 0;
        const s = stream();
        const hay = folded(s.text);
        const found = [];
        for (let at = hay.text.indexOf(needle); at >= 0; at = hay.text.indexOf(needle, at + needle.length))
            found.push([hay.map[at], hay.map[at + needle.length - 1] + 1]);
        const template = document.createElement('span');
        template.setAttribute('style', 'background:' + String(colour));
        const span = (start, end) => {
            const e = template.cloneNode(false);
            e.textContent = s.text.slice(start, end);
            return e;
        };
        // Matches inside one text node are replaced together, so a long text
        // node is cut once rather than once per match.
        for (let i = found.length - 1; i >= 0;) {
            const a = pointAt(s, found[i][0], false);
            const b = pointAt(s, found[i][1], true);
            let first = i;
            if (a.node === b.node) {
                while (first > 0) {
                    const before = pointAt(s, found[first - 1][0], false);
                    if (before.node !== a.node || pointAt(s, found[first - 1][1], true).node !== a.node) break;
                    --first;
                }
            }
            const from = pointAt(s, found[first][0], false);
            const r = document.createRange();
            r.setStart(from.node, from.offset);
            r.setEnd(b.node, b.offset);
            const pieces = document.createDocumentFragment();
            for (let k = first; k <= i; ++k) {
                if (k > first) pieces.appendChild(document.createTextNode(s.text.slice(found[k - 1][1], found[k][0])));
                pieces.appendChild(span(found[k][0], found[k][1]));
            }
            r.deleteContents();
            r.insertNode(pieces);
            i = first - 1;
        }
        return found.length;
    }

    window.kelvorPage = {
        plainText() {
            const body = document.body;
            return body ? withCrLf(body.innerText) : '';
        },
        elementCount() {
            return document.getElementsByTagName('*').length;
        },
        scrollBy(dx, dy) {
            window.scrollBy(dx, dy);
            return true;
        },
        scrollPosition() {
            return [window.scrollX, window.scrollY];
        },
        selectionText() {
            const selection = window.getSelection();
            return selection ? withCrLf(selection.toString()) : '';
        },
        emptySelection() {
            const selection = window.getSelection();
            if (selection) selection.removeAllRanges();
            return true;
        },
        bodyRange,
        releaseRange,
        findText,
        rangeText,
        selectRange,
        pasteHtml,
        collapse,
        moveStart,
        moveEnd,
        markAll,
    };
})();
