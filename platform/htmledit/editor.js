// The page side of the editing control. It runs in a world of its own (the
// page's scripts are switched off), keeps the registries behind the element
// and range handles, serializes the document in the classic form, inserts
// fragments through the document's ranges and owns the undo history, which it
// builds from the mutation records of every change: typing, the engine's
// commands and its own insertions alike. The build embeds this file in the
// editing layer (see EditorScript.h).
(function () {
if (window.pw) return;
const pw = {};
window.pw = pw;

// ---- events to the host -------------------------------------------------
// The document's listeners, installed anew with every document.
const handlers = [];
function on(type, f, capture) { handlers.push([type, f, capture]); }

function notify(name, a, b) {
  console.log('\u0001pw:' + name + ':' + (a === undefined ? '' : a) + ':' + (b === undefined ? '' : b));
}

// ---- handle registries ---------------------------------------------------
const elIds = new WeakMap();
const els = new Map();
const ranges = new Map();
let nextId = 1;
function elId(el) {
  if (!el) return 0;
  let id = elIds.get(el);
  if (!id) { id = nextId++; elIds.set(el, id); els.set(id, el); }
  return id;
}
function el(id) {
  const e = els.get(id);
  if (!e) throw new Error('element handle is not valid');
  return e;
}
function rng(id) {
  const r = ranges.get(id);
  if (!r) throw new Error('range handle is not valid');
  return r;
}

// ---- element kinds --------------------------------------------------------
const VOID = new Set(['AREA','BASE','BASEFONT','BGSOUND','BR','COL','EMBED','FRAME','HR','IMG','INPUT',
  'ISINDEX','KEYGEN','LINK','META','PARAM','SOURCE','TRACK','WBR','SPACER','IMAGE']);
const RAW = new Set(['SCRIPT','STYLE','XMP','IFRAME','NOEMBED','NOFRAMES','PLAINTEXT']);
const LINE_DROPPED = new Set(['PRE', 'TEXTAREA', 'LISTING']);
const CONTROL = new Set(['IMG','TABLE','OBJECT','EMBED','IFRAME','MARQUEE']);
const INLINE = new Set(['A','ABBR','ACRONYM','B','BDO','BIG','CITE','CODE','DFN','EM','FONT','I','KBD','Q',
  'S','SAMP','SMALL','SPAN','STRIKE','STRONG','SUB','SUP','TT','U','VAR','DEL','INS','MARK','NOBR']);
const BLOCK = 'table,div,p,ul,ol,dl,h1,h2,h3,h4,h5,h6,pre,blockquote,hr,form,center,address';
const SPLITTABLE = new Set(['P','H1','H2','H3','H4','H5','H6']);
const HTMLNS = 'http://www.w3.org/1999/xhtml';
const NOTE = '_pw', MARK = '_pwsel';

// ---- attribute notes: spellings and quoting as the markup wrote them --------
// "_pw" holds, per attribute that differs from lower case in double quotes,
// "name=quote" entries separated by blanks; quote is d, s, u or b.
function notes(e) {
  const raw = e.getAttribute(NOTE);
  const m = new Map();
  if (!raw) return m;
  for (const part of raw.split(' ')) {
    const i = part.lastIndexOf('=');
    if (i <= 0) continue;
    const code = part.slice(i + 1);
    m.set(part.slice(0, i).toLowerCase(), { name: part.slice(0, i), q: code.charAt(0),
      eq: ' '.repeat(+code.charAt(1) || 0) + '=' + ' '.repeat(+code.charAt(2) || 0) });
  }
  return m;
}
function setNote(e, name, quote) {
  const m = notes(e);
  const low = name.toLowerCase();
  if (name === low && quote === 'd') m.delete(low); else m.set(low, { name: name, q: quote, eq: '=' });
  const parts = [];
  for (const v of m.values()) {
    const before = v.eq.indexOf('='), after = v.eq.length - before - 1;
    parts.push(v.name + '=' + v.q + (before || after ? String(before) + String(after) : ''));
  }
  if (parts.length) e.setAttribute(NOTE, parts.join(' ')); else e.removeAttribute(NOTE);
}

// ---- serialization --------------------------------------------------------
// A carriage return, which the parser would read as a line end, is written
// as a reference.
function escText(s) {
  return s.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;').replace(/\u00a0/g, '&nbsp;')
    .replace(/\r/g, '&#13;');
}
const probe = document.createElement('template');
function attrValueSafe(v, q) {
  // A value is written unescaped when the parser reads it back unchanged.
  if (v.indexOf('&') < 0) return true;
  probe.innerHTML = '<i x=' + q + v + q + '></i>';
  const i = probe.content.firstChild;
  return !!i && i.getAttribute('x') === v;
}
function attrText(name, v, q, eq) {
  eq = eq || '=';
  if (q === 'b' && v === '') return ' ' + name;
  if (q === 'u' && v !== '' && /^[^\s"'=<>`&]+$/.test(v)) return ' ' + name + eq + v;
  const cr = v.indexOf('\r') >= 0;
  if (q === 's' && v.indexOf("'") < 0 && v.indexOf('&') < 0 && !cr) return ' ' + name + eq + "'" + v + "'";
  if (v.indexOf('"') < 0 && !cr && attrValueSafe(v, '"')) return ' ' + name + eq + '"' + v + '"';
  return ' ' + name + eq + '"' + v.replace(/&/g, '&amp;').replace(/"/g, '&quot;').replace(/\r/g, '&#13;') + '"';
}
// While set, the serializer writes the notes themselves (markup for the
// layer's own clipboard format, read back by the same parser).
let withNotes = false;
function attrs(e) {
  if (withNotes) {
    let s = '';
    for (const a of e.attributes) if (a.name !== MARK) s += attrText(a.name, a.value, 'd');
    return s;
  }
  const n = notes(e);
  let s = '';
  for (const a of e.attributes) {
    if (a.name === NOTE || a.name === MARK) continue;
    const note = n.get(a.name);
    s += attrText(note ? note.name : a.name, a.value, note ? note.q : 'd', note ? note.eq : '=');
  }
  return s;
}
function tagOf(e) { return e.namespaceURI === HTMLNS ? e.tagName.toUpperCase() : e.tagName; }
function serChildren(node, out, raw) {
  for (let c = node.firstChild; c; c = c.nextSibling) serNode(c, out, raw);
}
function serNode(n, out, raw) {
  switch (n.nodeType) {
  case 1: serEl(n, out); break;
  case 3: out.push(raw ? n.data : escText(n.data)); break;
  case 8: out.push('<!--' + n.data + '-->'); break;
  case 10: out.push(doctype(n)); break;
  case 11: serChildren(n, out, false); break;
  }
}
function serEl(e, out) {
  const tag = tagOf(e);
  out.push('<' + tag + attrs(e) + '>');
  if (VOID.has(tag)) return;
  // The parser drops a line break right after these start tags.
  if (LINE_DROPPED.has(tag) && e.firstChild && e.firstChild.nodeType === 3 && e.firstChild.data.charAt(0) === '\n')
    out.push('\n');
  if (tag === 'TEMPLATE') serChildren(e.content, out, false);
  else serChildren(e, out, RAW.has(tag));
  out.push('</' + tag + '>');
}
function doctype(d) {
  let s = '<!DOCTYPE ' + d.name.toUpperCase();
  if (d.publicId) s += ' PUBLIC "' + d.publicId + '"';
  if (d.systemId) s += (d.publicId ? ' "' : ' SYSTEM "') + d.systemId + '"';
  return s + '>';
}
function isBlank(n) { return n.nodeType === 3 && /^[ \t\r\n\f]*$/.test(n.data); }
// The document for the host, which puts the engine's own markup of each part
// into the classic form: a list of parts, each "L" + literal text, "S" + the
// engine's markup of a start tag, or "F" + the engine's markup of a node.
// Only the few nodes above the body are visited here, so the page's script
// needs no wrappers for the nodes of a large body.
function startTag(e) {
  const h = e.cloneNode(false).outerHTML;
  return h.slice(0, h.length - e.localName.length - 3);
}
function nodeMarkup(n) {
  if (n.nodeType === 1) return n.outerHTML;
  if (n.nodeType === 8) return '<!--' + n.data + '-->';
  if (n.nodeType === 3) return escText(n.data);
  return '';
}
function documentParts() {
  const parts = [];
  const root = document.documentElement;
  for (let c = document.firstChild; c; c = c.nextSibling) {
    if (c === root) {
      parts.push('S' + startTag(root));
      for (let k = root.firstChild; k; k = k.nextSibling) {
        if (isBlank(k)) continue;
        if (k.nodeType === 1 && k.tagName === 'HEAD') {
          parts.push('S' + startTag(k), 'L\r\n');
          for (let h = k.firstChild; h; h = h.nextSibling) {
            if (isBlank(h)) continue;
            parts.push('F' + nodeMarkup(h), 'L\r\n');
          }
          parts.push('L</HEAD>\r\n');
        } else {
          parts.push('F' + nodeMarkup(k));
        }
      }
      parts.push('L</' + tagOf(root) + '>');
    } else if (c.nodeType === 10) {
      parts.push('L' + doctype(c) + '\r\n');
    } else {
      parts.push('F' + nodeMarkup(c), 'L\r\n');
    }
  }
  return parts;
}
function innerMarkup(frag) {
  const d = document.createElement('div');
  d.appendChild(frag);
  return d.innerHTML;
}

// ---- undo history ---------------------------------------------------------
const H = {};
function resetHistory() {
  H.undo = []; H.redo = []; H.pending = []; H.pendingSel = null; H.applying = false; H.dirty = false; H.kind = '';
}
resetHistory();
function keep(recs) {
  for (const r of recs) {
    if (r.type === 'attributes' && r.attributeName === MARK) continue;
    H.pending.push(r);
  }
  if (H.pending.length) H.dirty = true;
}
const observer = new MutationObserver(function (recs) { if (!H.applying) keep(recs); });
function take() { const r = observer.takeRecords(); if (!H.applying) keep(r); }
function selSnap() {
  const s = getSelection();
  if (!s.rangeCount) return null;
  const r = s.getRangeAt(0);
  return { sc: r.startContainer, so: r.startOffset, ec: r.endContainer, eo: r.endOffset };
}
function selRestore(p) {
  if (!p || !p.sc.isConnected || !p.ec.isConnected) return;
  try {
    const r = document.createRange();
    r.setStart(p.sc, Math.min(p.so, len(p.sc)));
    r.setEnd(p.ec, Math.min(p.eo, len(p.ec)));
    const s = getSelection(); s.removeAllRanges(); s.addRange(r);
  } catch (e) {}
}
function len(n) { return n.nodeType === 3 || n.nodeType === 8 ? n.data.length : n.childNodes.length; }
function flush() {
  take();
  if (H.pending.length) {
    H.undo.push({ recs: H.pending, before: H.pendingSel, after: selSnap() });
    H.redo = [];
    if (H.undo.length > 200) H.undo.shift();
  }
  H.pending = []; H.pendingSel = null; H.kind = '';
}
function invert(recs) {
  take();
  H.applying = true;
  try {
    for (let i = recs.length - 1; i >= 0; --i) {
      const r = recs[i];
      if (r.type === 'characterData') {
        r.target.data = r.oldValue;
      } else if (r.type === 'attributes') {
        if (r.oldValue === null) r.target.removeAttributeNS(r.attributeNamespace, r.attributeName);
        else if (r.attributeNamespace) r.target.setAttributeNS(r.attributeNamespace, r.attributeName, r.oldValue);
        else r.target.setAttribute(r.attributeName, r.oldValue);
      } else {
        for (let k = r.addedNodes.length - 1; k >= 0; --k) {
          const n = r.addedNodes[k];
          if (n.parentNode === r.target) r.target.removeChild(n);
        }
        const ref = r.nextSibling && r.nextSibling.parentNode === r.target ? r.nextSibling : null;
        for (const n of r.removedNodes) r.target.insertBefore(n, ref);
      }
    }
    return observer.takeRecords();
  } finally {
    H.applying = false;
  }
}
// Runs one change of the layer or one engine command as a step of its own.
function step(fn) {
  flush();
  H.pendingSel = selSnap();
  try { return fn(); }
  finally { flush(); }
}
// A whole-document step holds the other document's root (and doctype);
// undoing it puts that tree back in place, so that the steps before it find
// their nodes again.
function swapDocument(s) {
  take();
  H.applying = true;
  try {
    const cur = { root: document.documentElement, doctype: document.doctype };
    if (s.doctype && cur.doctype) document.replaceChild(s.doctype, cur.doctype);
    else if (s.doctype) document.insertBefore(s.doctype, document.firstChild);
    else if (cur.doctype) cur.doctype.remove();
    if (cur.root) document.replaceChild(s.root, cur.root); else document.appendChild(s.root);
    observer.takeRecords();
    marked = null;
    return cur;
  } finally {
    H.applying = false;
  }
}
function reverse(s) {
  if (s.swap) return { swap: swapDocument(s.swap), before: s.before, after: s.after };
  return { recs: invert(s.recs), before: s.before, after: s.after };
}
pw.undo = function () {
  flush();
  const s = H.undo.pop();
  if (!s) return false;
  H.redo.push(reverse(s));
  selRestore(s.before);
  H.dirty = true;
  return true;
};
pw.redo = function () {
  flush();
  const s = H.redo.pop();
  if (!s) return false;
  H.undo.push(reverse(s));
  selRestore(s.after);
  H.dirty = true;
  return true;
};
function canUndo() { take(); return H.undo.length > 0 || H.pending.length > 0; }
function canRedo() { take(); return H.pending.length === 0 && H.redo.length > 0; }

// ---- selection --------------------------------------------------------------
function curRange() {
  const s = getSelection();
  if (s.rangeCount) return s.getRangeAt(0);
  const r = document.createRange();
  if (document.body) r.setStart(document.body, 0);
  return r;
}
function controlOf(r) {
  if (r.startContainer !== r.endContainer || r.startContainer.nodeType !== 1) return null;
  if (r.endOffset !== r.startOffset + 1) return null;
  const n = r.startContainer.childNodes[r.startOffset];
  return n && n.nodeType === 1 && CONTROL.has(n.tagName) ? n : null;
}
function selectElement(e) {
  const r = document.createRange();
  r.selectNode(e);
  const s = getSelection(); s.removeAllRanges(); s.addRange(r);
  mark(e);
}
let marked = null;
function mark(e) {
  if (marked === e) return;
  if (marked && marked.isConnected) marked.removeAttribute(MARK);
  // A mark that came in with pasted markup goes as well.
  for (const stray of document.querySelectorAll('[' + MARK + ']')) if (stray !== e) stray.removeAttribute(MARK);
  marked = e;
  if (e) e.setAttribute(MARK, '');
  take();
}
function selType() {
  const s = getSelection();
  if (!s.rangeCount) return 'None';
  const r = s.getRangeAt(0);
  if (controlOf(r)) return 'Control';
  return r.collapsed ? 'None' : 'Text';
}
function placeAfter(node) {
  const r = document.createRange();
  r.setStartAfter(node); r.collapse(true);
  const s = getSelection(); s.removeAllRanges(); s.addRange(r);
  return r;
}

// ---- fragments --------------------------------------------------------------
function blockHost(n) {
  for (let e = n.nodeType === 1 ? n : n.parentNode; e && e !== document.body; e = e.parentNode)
    if (e.nodeType === 1 && SPLITTABLE.has(e.tagName)) return e;
  return null;
}
function isEmptyBlock(e) {
  return !e.textContent.replace(/[\s\u00a0]/g, '') && !e.querySelector('img,embed,object,iframe,table,hr,br,input');
}
// Inserts parsed HTML at a collapsed range; a block-holding fragment splits
// the paragraph around the caret so that it is kept as written.
function insertAt(r, html) {
  const frag = r.createContextualFragment(html);
  const last = frag.lastChild;
  if (!last) return r;
  const host = frag.querySelector(BLOCK) ? blockHost(r.startContainer) : null;
  if (host) {
    const tail = document.createRange();
    tail.setStart(r.startContainer, r.startOffset);
    tail.setEnd(host, host.childNodes.length);
    const rest = host.cloneNode(false);
    rest.appendChild(tail.extractContents());
    host.after(rest);
    rest.before(frag);
    if (isEmptyBlock(rest)) rest.remove();
    if (isEmptyBlock(host)) host.remove();
  } else {
    r.insertNode(frag);
  }
  return placeAfter(last);
}
// A text range widened over the inline elements whose whole content it holds,
// so that their markup belongs to its HTML text.
function widened(r) {
  r = r.cloneRange();
  for (let i = 0; i < 50 && !r.collapsed; ++i) {
    const c = r.commonAncestorContainer;
    const e = c.nodeType === 1 ? c : c.parentNode;
    if (!e || e.nodeType !== 1 || !INLINE.has(e.tagName)) break;
    const t = e.textContent;
    if (!t || r.toString() !== t) break;
    r.selectNode(e);
  }
  return r;
}

// ---- styles as written --------------------------------------------------------
function styleParts(e) {
  const t = e.getAttribute('style') || '';
  const parts = [];
  let depth = 0, q = '', start = 0;
  for (let i = 0; i < t.length; ++i) {
    const ch = t[i];
    if (q) { if (ch === q) q = ''; continue; }
    if (ch === '"' || ch === "'") q = ch;
    else if (ch === '(') depth++;
    else if (ch === ')') depth = Math.max(0, depth - 1);
    else if (ch === ';' && depth === 0) { parts.push(t.slice(start, i)); start = i + 1; }
  }
  if (start < t.length) parts.push(t.slice(start));
  return parts;
}
function partName(p) { const i = p.indexOf(':'); return i < 0 ? '' : p.slice(0, i).trim().toLowerCase(); }
function partValue(p) { const i = p.indexOf(':'); return i < 0 ? '' : p.slice(i + 1).trim(); }
const LENGTHS = new Set(['left','top','width','height','right','bottom']);
function styleGet(e, name) {
  name = name.toLowerCase();
  let v = '';
  for (const p of styleParts(e)) if (partName(p) === name) v = partValue(p);
  v = v.replace(/\s*!important$/i, '');
  if (LENGTHS.has(name) && /^-?\d+(\.\d+)?$/.test(v)) v += 'px';
  if (name === 'position') v = v.toLowerCase();
  return v;
}
function styleSet(e, name, value) {
  name = name.toLowerCase();
  const parts = styleParts(e).filter(function (p) { return p.trim() !== ''; });
  let found = false;
  const out = [];
  for (const p of parts) {
    if (partName(p) === name) {
      if (found || value === '') continue;
      found = true;
      const lead = p.match(/^\s*/)[0];
      out.push(lead + p.slice(lead.length, p.indexOf(':')).trim() + ': ' + value);
    } else out.push(p);
  }
  if (!found && value !== '') out.push((out.length ? ' ' : '') + name + ': ' + value);
  if (out.length) out[0] = out[0].replace(/^\s+/, '');
  const t = out.length ? out.join(';') + ';' : '';
  if (t) e.setAttribute('style', t); else e.removeAttribute('style');
}

// ---- command values ---------------------------------------------------------
function textNodesIn(r) {
  const list = [];
  const root = r.commonAncestorContainer;
  if (root.nodeType === 3) { list.push(root); return list; }
  const w = document.createTreeWalker(root, NodeFilter.SHOW_TEXT);
  for (let n = w.nextNode(); n; n = w.nextNode()) {
    if (!r.intersectsNode(n) || isBlank(n)) continue;
    if (n === r.endContainer && r.endOffset === 0) continue;
    if (n === r.startContainer && r.startOffset >= n.data.length) continue;
    list.push(n);
  }
  return list;
}
function probeElements(r) {
  const ctl = controlOf(r);
  if (ctl) return [ctl];
  if (r.collapsed) {
    const n = r.startContainer;
    return [n.nodeType === 1 ? n : n.parentNode];
  }
  const ts = textNodesIn(r).map(function (t) { return t.parentNode; });
  if (ts.length) return ts;
  const c = r.commonAncestorContainer;
  return [c.nodeType === 1 ? c : c.parentNode];
}
function uniform(list, f) {
  let v = null;
  for (const e of list) {
    const x = f(e);
    if (v === null) v = x; else if (v !== x) return undefined;
  }
  return v === null ? undefined : v;
}
function underlined(e) {
  for (; e && e.nodeType === 1; e = e.parentNode) {
    const d = getComputedStyle(e).textDecorationLine || '';
    if (d.indexOf('underline') >= 0) return true;
    if (e === document.body) break;
  }
  return false;
}
function blockOf(e) {
  for (; e && e.nodeType === 1; e = e.parentNode) {
    const d = getComputedStyle(e).display;
    if (d !== 'inline' && d !== 'inline-block' || e === document.body) return e;
  }
  return document.body;
}
function align(e) {
  const a = getComputedStyle(blockOf(e)).textAlign;
  if (a === 'center' || a === '-webkit-center') return 'center';
  if (a === 'right' || a === 'end' || a === '-webkit-right') return 'right';
  return 'left';
}
const SIZES = [10, 13, 16, 18, 24, 32, 48];
function legacySize(px) {
  let best = 1, diff = 1e9;
  for (let i = 0; i < SIZES.length; ++i) {
    const d = Math.abs(SIZES[i] - px);
    if (d < diff) { diff = d; best = i + 1; }
  }
  return best;
}
function family(e) {
  const f = getComputedStyle(e).fontFamily.split(',')[0].trim();
  return f.replace(/^["']|["']$/g, '');
}
function bgr(e) {
  const m = getComputedStyle(e).color.match(/\d+(\.\d+)?/g);
  if (!m || m.length < 3) return undefined;
  return (+m[0]) | (+m[1] << 8) | (+m[2] << 16);
}
function queryValue(r, name) {
  const list = probeElements(r).filter(function (e) { return e && e.nodeType === 1; });
  if (!list.length) return null;
  let v;
  switch (name.toLowerCase()) {
  case 'bold': v = uniform(list, function (e) { const w = getComputedStyle(e).fontWeight; return (w === 'bold' || +w >= 600); }); break;
  case 'italic': v = uniform(list, function (e) { return getComputedStyle(e).fontStyle !== 'normal'; }); break;
  case 'underline': v = uniform(list, underlined); break;
  case 'strike': case 'strikethrough': v = uniform(list, function (e) { for (; e && e.nodeType === 1 && e !== document.body; e = e.parentNode) if ((getComputedStyle(e).textDecorationLine || '').indexOf('line-through') >= 0) return true; return false; }); break;
  case 'justifyleft': v = uniform(list, function (e) { return align(e) === 'left'; }); break;
  case 'justifyright': v = uniform(list, function (e) { return align(e) === 'right'; }); break;
  case 'justifycenter': v = uniform(list, function (e) { return align(e) === 'center'; }); break;
  case 'fontname': v = uniform(list, family); break;
  case 'fontsize': v = uniform(list, function (e) { return legacySize(parseFloat(getComputedStyle(e).fontSize)); }); break;
  case 'forecolor': v = uniform(list, bgr); break;
  default: throw new Error('unknown command ' + name);
  }
  return v === undefined ? null : v;
}

// ---- document commands ------------------------------------------------------
function colorText(v) {
  if (typeof v === 'number') {
    const n = v & 0xffffff;
    const h = function (x) { return ('0' + x.toString(16)).slice(-2); };
    return '#' + h(n & 255) + h((n >> 8) & 255) + h((n >> 16) & 255);
  }
  return String(v);
}
function engine(cmd, value) {
  // The engine's commands work on the selection; a document never clicked
  // into has none, so the caret goes to the start of the body.
  if (!getSelection().rangeCount && document.body) {
    const r = document.createRange(); r.setStart(document.body, 0); r.collapse(true);
    getSelection().addRange(r);
  }
  return step(function () {
    if (!document.execCommand(cmd, false, value)) throw new Error('command ' + cmd + ' failed');
    return true;
  });
}
function docCommand(name, value) {
  switch (name.toLowerCase()) {
  case 'justifyleft': return engine('justifyLeft');
  case 'justifyright': return engine('justifyRight');
  case 'justifycenter': return engine('justifyCenter');
  case 'forecolor': return engine('foreColor', colorText(value));
  case 'fontname': return engine('fontName', String(value));
  case 'fontsize': {
    const n = parseInt(value, 10);
    if (!(n >= 1 && n <= 7)) throw new Error('font size out of range');
    return engine('fontSize', String(n));
  }
  case 'bold': return engine('bold');
  case 'italic': return engine('italic');
  case 'underline': return engine('underline');
  case 'strike': case 'strikethrough': {
    const on = queryValue(curRange(), 'strike') === true;
    if (value === undefined || value === null || value === '' || !!value !== on) return engine('strikeThrough');
    return true;
  }
  default: throw new Error('unknown command ' + name);
  }
}
function linkAround(n) {
  for (let e = n.nodeType === 1 ? n : n.parentNode; e && e !== document.body; e = e.parentNode)
    if (e.tagName === 'A' && e.hasAttribute('href')) return e;
  return null;
}
function unlink() {
  const r = curRange();
  const a = linkAround(r.commonAncestorContainer);
  if (a) {
    return step(function () {
      while (a.firstChild) a.parentNode.insertBefore(a.firstChild, a);
      a.remove();
      return true;
    });
  }
  return engine('unlink');
}
function editable() { return !!document.body && document.designMode === 'on'; }
function hasText() { const s = getSelection(); return s.rangeCount > 0 && !s.getRangeAt(0).collapsed; }
const FORMATS = [['Normalny', 'P'], ['Sformatowany', 'PRE'], ['Adres', 'ADDRESS'],
  ['Nag\u0142\u00f3wek 1', 'H1'], ['Nag\u0142\u00f3wek 2', 'H2'], ['Nag\u0142\u00f3wek 3', 'H3'],
  ['Nag\u0142\u00f3wek 4', 'H4'], ['Nag\u0142\u00f3wek 5', 'H5'], ['Nag\u0142\u00f3wek 6', 'H6']];
function blockFormat() {
  const r = curRange();
  for (let e = r.startContainer.nodeType === 1 ? r.startContainer : r.startContainer.parentNode;
       e && e !== document.body; e = e.parentNode) {
    for (const f of FORMATS) if (e.tagName === f[1]) return f[0];
  }
  return FORMATS[0][0];
}

// ---- the operations the host calls -------------------------------------------
const ops = {
  // Replaces the document by the markup, parsed by the page's own parser
  // (its doctype sets the rendering mode), and prepares it for editing.
  // With keep, the new text is a change of the document: one step of the
  // history, which undo takes back.
  write: function (html, gen, keep) {
    if (keep) flush();
    const old = { root: document.documentElement, doctype: document.doctype };
    observer.disconnect();
    observer.takeRecords();
    if (marked) { marked.removeAttribute(MARK); marked = null; }
    els.clear();
    ranges.clear();
    document.open();
    document.write(html);
    document.close();
    if (keep && old.root) {
      H.undo.push({ swap: old, before: null, after: null });
      // Each such step keeps a whole document alive; beyond a score of them
      // the oldest goes, with every step before it (they refer to its nodes).
      let swaps = 0;
      for (const st of H.undo) if (st.swap) swaps++;
      while (swaps > 20) {
        const st = H.undo.shift();
        if (st.swap) swaps--;
      }
      H.redo = [];
      H.pending = []; H.pendingSel = null; H.kind = '';
      H.dirty = true;
    } else {
      resetHistory();
    }
    return ops.init(gen);
  },
  init: function (gen) {
    // Design mode, the style setting of the engine's commands and the style
    // sheet of the layer outlive document.open; they are set once.
    if (document.designMode !== 'on') document.designMode = 'on';
    if (!pw.styled) {
      try { document.execCommand('styleWithCSS', false, false); } catch (e) {}
      // Enter starts a new paragraph, as pages of the editor expect.
      try { document.execCommand('defaultParagraphSeparator', false, 'p'); } catch (e) {}
      pw.styled = true;
    }
    if (!document.adoptedStyleSheets.length) {
      try {
        const sheet = new CSSStyleSheet();
        sheet.replaceSync('[' + MARK + ']{outline:2px solid #316ac5 !important;outline-offset:1px}' +
          'iframe,embed,object{pointer-events:none}');
        document.adoptedStyleSheets = [sheet];
      } catch (e) {}
    }
    observer.observe(document, { subtree: true, childList: true, attributes: true, attributeOldValue: true,
      characterData: true, characterDataOldValue: true });
    installEvents();
    pw.gen = gen;
    const c = charset();
    return c;
  },
  charset: function () { return charset(); },
  documentHTML: function () { flush(); return documentParts(); },
  title: function () { return document.title; },
  dirty: function () { take(); return H.dirty; },
  clean: function () { take(); H.dirty = false; return true; },
  selType: function () { return selType(); },
  createRange: function () {
    const r = curRange();
    const id = nextId++;
    const ctl = controlOf(r);
    ranges.set(id, ctl ? { ctl: ctl } : { r: r.cloneRange() });
    return [id, ctl ? 1 : 0];
  },
  rangeHtml: function (id) {
    const x = rng(id);
    if (x.ctl) throw new Error('a control range has no HTML text');
    return innerMarkup(widened(x.r).cloneContents());
  },
  rangePaste: function (id, html) {
    const x = rng(id);
    if (x.ctl) throw new Error('a control range cannot take HTML');
    return step(function () {
      const r = widened(x.r);
      r.deleteContents();
      const after = insertAt(r, html);
      x.r = after.cloneRange();
      return true;
    });
  },
  rangeParent: function (id) {
    const x = rng(id);
    if (x.ctl) throw new Error('a control range has no parent element');
    const c = x.r.commonAncestorContainer;
    return elId(c.nodeType === 1 ? c : c.parentNode);
  },
  rangeCommon: function (id) {
    const x = rng(id);
    if (!x.ctl) throw new Error('a text range has no common parent element');
    return elId(x.ctl);
  },
  rangeQuery: function (id, name) {
    const x = rng(id);
    if (x.ctl) { const r = document.createRange(); r.selectNode(x.ctl); return queryValue(r, name); }
    return queryValue(x.r, name);
  },
  rangeSelect: function (id) {
    const x = rng(id);
    if (x.ctl) selectElement(x.ctl);
    else { const s = getSelection(); s.removeAllRanges(); s.addRange(x.r.cloneRange()); }
    return true;
  },
  tagName: function (id) { return tagOf(el(id)); },
  parent: function (id) { const p = el(id).parentElement; return p ? elId(p) : 0; },
  outer: function (id) { return el(id).outerHTML; },
  inner: function (id) { return el(id).innerHTML; },
  setOuter: function (id, html) {
    const e = el(id);
    if (!e.parentNode || e === document.documentElement) throw new Error('the element cannot be replaced');
    return step(function () {
      const r = document.createRange();
      r.selectNode(e);
      const frag = r.createContextualFragment(html);
      const last = frag.lastChild;
      if (marked === e) mark(null);
      e.replaceWith(frag);
      if (last && last.isConnected) placeAfter(last);
      return true;
    });
  },
  getAttr: function (id, name) {
    const e = el(id);
    const v = e.getAttribute(String(name).toLowerCase());
    return v === null ? '' : v;
  },
  setAttr: function (id, name, value) {
    const e = el(id);
    return step(function () {
      const low = String(name).toLowerCase();
      const had = e.hasAttribute(low);
      e.setAttribute(low, value);
      // An attribute keeps the spelling it was written with; a new one takes
      // the caller's.
      if (!had && name !== low) setNote(e, name, 'd');
      return true;
    });
  },
  getWidth: function (id) { const e = el(id); return 'width' in e ? (e.width | 0) : 0; },
  setWidth: function (id, w) { const e = el(id); return step(function () { e.width = w; return true; }); },
  styleGet: function (id, name) { return styleGet(el(id), name); },
  styleSet: function (id, name, value) { const e = el(id); return step(function () { styleSet(e, name, value); return true; }); },
  exec: function (name, value) { return docCommand(name, value); },
  control: function (id) {
    switch (id) {
    case 5000: return engine('bold');
    case 5023: return engine('italic');
    case 5048: return engine('underline');
    case 5002: if (!document.execCommand('copy')) throw new Error('copy failed'); return true;
    case 5003: return engine('cut');
    case 5032: return engine('paste');
    case 5050: return unlink();
    }
    throw new Error('unknown command');
  },
  controlStatus: function (id, canPaste) {
    if (!editable()) return 1;
    switch (id) {
    case 5000: return queryValue(curRange(), 'bold') === true ? 7 : 3;
    case 5023: return queryValue(curRange(), 'italic') === true ? 7 : 3;
    case 5048: return queryValue(curRange(), 'underline') === true ? 7 : 3;
    case 5002: case 5003: return hasText() ? 3 : 1;
    case 5032: return canPaste ? 3 : 1;
    case 5050: { const r = curRange(); return linkAround(r.commonAncestorContainer) ||
      (!r.collapsed && r.cloneContents().querySelector('a[href]')) ? 3 : 1; }
    }
    return 0;
  },
  undo: function () { return pw.undo(); },
  redo: function () { return pw.redo(); },
  mshtml: function (id, input) {
    switch (id) {
    case 2184: return engine('insertOrderedList');
    case 2185: return engine('insertUnorderedList');
    case 2186: return engine('indent');
    case 2187: return engine('outdent');
    case 2150: return engine('insertHorizontalRule');
    case 2233: return FORMATS.map(function (f) { return f[0]; });
    case 2234: {
      if (input !== null && input !== undefined && input !== '') {
        const f = FORMATS.find(function (x) { return x[0] === input; });
        if (!f) throw new Error('unknown block format');
        engine('formatBlock', '<' + f[1] + '>');
      }
      return blockFormat();
    }
    }
    throw new Error('unknown command');
  },
  mshtmlStatus: function (id) {
    if (!editable()) return 1;
    switch (id) {
    case 43: return canUndo() ? 3 : 1;
    case 29: return canRedo() ? 3 : 1;
    case 2184: return document.queryCommandState('insertOrderedList') ? 7 : 3;
    case 2185: return document.queryCommandState('insertUnorderedList') ? 7 : 3;
    case 2186: case 2187: case 2150: case 67: case 2233: case 2234: return 3;
    }
    return 0;
  },
  find: function (text) {
    flush();
    if (!text) return false;
    return window.find(text, false, false, true, false, false, false);
  },
  selectText: function (text, nth) {
    // Test and host support: selects the nth occurrence of a text, which may
    // run across elements.
    const nodes = [], starts = [];
    let all = '';
    const w = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
    for (let n = w.nextNode(); n; n = w.nextNode()) { nodes.push(n); starts.push(all.length); all += n.data; }
    let i = -1;
    for (let k = 0; k <= (nth || 0); ++k) { i = all.indexOf(text, i + 1); if (i < 0) return false; }
    const at = function (pos, end) {
      for (let k = nodes.length - 1; k >= 0; --k)
        if (starts[k] < pos || (!end && starts[k] === pos)) return [nodes[k], pos - starts[k]];
      return [nodes[0], 0];
    };
    const a = at(i, false), b = at(i + text.length, true);
    const r = document.createRange(); r.setStart(a[0], a[1]); r.setEnd(b[0], b[1]);
    const s = getSelection(); s.removeAllRanges(); s.addRange(r);
    return true;
  },
  release: function (ids) { for (const id of ids) ranges.delete(id); return true; },
  rangeCount: function () { return ranges.size; },
  flush: function () { flush(); return true; }
};
pw.x = function (name, args) {
  try {
    const v = ops[name].apply(null, args || []);
    return { v: v === undefined ? null : v };
  } catch (e) {
    return { e: String(e && e.message || e) };
  }
};
function charset() {
  for (const m of document.querySelectorAll('meta')) {
    const c = m.getAttribute('charset');
    if (c) return c;
    if ((m.getAttribute('http-equiv') || '').toLowerCase() === 'content-type') {
      const t = (m.getAttribute('content') || '').match(/charset\s*=\s*["']?([^"';\s]+)/i);
      if (t) return t[1];
    }
  }
  return '';
}

// ---- clipboard -----------------------------------------------------------------
// The engine's own copy drops objects and breaks marquees, and its paste
// drops embeds; the layer copies the selection in its own form instead and
// pastes that form itself. Other programs' clipboard content is left to the
// engine.
const OWN = 'application/x-pagewright-html';
function selectedMarkup(notes) {
  const s = getSelection();
  if (!s.rangeCount) return null;
  const r = s.getRangeAt(0);
  if (r.collapsed) return null;
  const out = [];
  withNotes = notes;
  try {
    const ctl = controlOf(r);
    if (ctl) serEl(ctl, out); else serChildren(widened(r).cloneContents(), out, false);
  } finally {
    withNotes = false;
  }
  return out.join('');
}
function copyTo(e) {
  const html = selectedMarkup(false);
  if (html === null || !e.clipboardData) return false;
  e.clipboardData.setData('text/html', html);
  e.clipboardData.setData('text/plain', getSelection().toString());
  e.clipboardData.setData(OWN, selectedMarkup(true));
  e.preventDefault();
  return true;
}
function replaceSelection(html) {
  return step(function () {
    const r = widened(curRange());
    r.deleteContents();
    if (html) insertAt(r, html); else placeAt(r);
    return true;
  });
}
function placeAt(r) {
  r.collapse(true);
  const s = getSelection(); s.removeAllRanges(); s.addRange(r);
}
on('copy', function (e) { copyTo(e); }, true);
on('cut', function (e) { if (copyTo(e)) replaceSelection(''); }, true);
on('paste', function (e) {
  const html = e.clipboardData && e.clipboardData.getData(OWN);
  if (!html) return;
  e.preventDefault();
  replaceSelection(html);
}, true);

// ---- input -------------------------------------------------------------------
function controlAt(x, y, target) {
  let hit = null;
  for (const e of document.querySelectorAll('iframe,embed,object')) {
    const b = e.getBoundingClientRect();
    if (x >= b.left && x <= b.right && y >= b.top && y <= b.bottom) hit = e;
  }
  if (hit) {
    const o = hit.tagName === 'OBJECT' ? hit : hit.parentElement && hit.parentElement.closest('object');
    return o || hit;
  }
  if (!target || target.nodeType !== 1) return null;
  if (target.tagName === 'IMG' || target.tagName === 'TABLE') return target;
  return target.closest('marquee');
}
on('mousedown', function (e) {
  flush();
  if (e.button !== 0 && e.button !== 2) return;
  const c = controlAt(e.clientX, e.clientY, e.target);
  if (c) { e.preventDefault(); selectElement(c); notify('display'); }
}, true);
on('click', function () { flush(); notify('click'); }, true);
on('dblclick', function (e) {
  const c = controlAt(e.clientX, e.clientY, e.target);
  if (c) selectElement(c);
  notify('dblclick');
}, true);
on('keydown', function (e) {
  const k = e.key;
  if ((e.ctrlKey || e.metaKey) && !e.altKey) {
    const low = k.toLowerCase();
    if (low === 'z' && !e.shiftKey) { e.preventDefault(); pw.undo(); notify('display'); }
    else if (low === 'y' || (low === 'z' && e.shiftKey)) { e.preventDefault(); pw.redo(); notify('display'); }
  }
  if (k.length !== 1 && k !== 'Backspace' && k !== 'Delete' && k !== 'Shift' && k !== 'Control' && k !== 'Alt' &&
      k !== 'AltGraph' && k !== 'CapsLock') flush();
  notify('keydown', e.keyCode);
}, true);
on('keyup', function (e) { notify('keyup', e.keyCode); }, true);
on('beforeinput', function (e) {
  const kind = e.inputType.indexOf('delete') === 0 ? 'delete' : e.inputType === 'insertText' ? 'text' : e.inputType;
  if (e.inputType === 'historyUndo' || e.inputType === 'historyRedo') {
    e.preventDefault();
    if (e.inputType === 'historyUndo') pw.undo(); else pw.redo();
    return;
  }
  if (kind !== H.kind || (kind !== 'text' && kind !== 'delete')) flush();
  if (!H.pending.length && !H.pendingSel) H.pendingSel = selSnap();
  H.kind = kind;
}, true);
on('mouseover', function () { notify('over'); }, true);
on('mouseout', function (e) { if (!e.relatedTarget) notify('out'); }, true);
on('selectionchange', function () {
  const s = getSelection();
  const c = s.rangeCount ? controlOf(s.getRangeAt(0)) : null;
  mark(c);
  notify('display');
});
function installEvents() {
  // Listeners of the document go with document.open; adding the same ones
  // again is harmless where they survived.
  for (const h of handlers) {
    document.removeEventListener(h[0], h[1], h[2]);
    document.addEventListener(h[0], h[1], h[2]);
  }
}
})();
