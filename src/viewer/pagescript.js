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
        for (let i = 0; i < s.nodes.length; ++i) {
            const start = s.starts[i];
            const end = start + s.nodes[i].data.length;
            if (isEnd ? index <= end : index < end) return { node: s.nodes[i], offset: index - start };
        }
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
    };
})();
