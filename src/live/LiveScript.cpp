#include "live/WebPage.h"

// The script of the live pages: asks the page's JSON every few seconds with the entity tag it
// has, so an unchanged tournament costs a 304, and redraws the page's main part from a new
// state. Texts only ever become text nodes, never markup. It pauses while the page is hidden.
QByteArray LiveScript()
{
    return QByteArrayLiteral(R"js('use strict';
(function () {
  var body = document.body;
  var source = body.getAttribute('data-daten');
  var tag = body.getAttribute('data-stand');
  var pollMs = 3000;
  var timer = null;
  var busy = false;
  if (!source || !window.fetch) return;

  function element(name, cssClass, text) {
    var node = document.createElement(name);
    if (cssClass) node.className = cssClass;
    if (text) node.appendChild(document.createTextNode(text));
    return node;
  }
  function linked(text, target) {
    if (!target) return document.createTextNode(text || '');
    var anchor = element('a', null, text);
    anchor.setAttribute('href', target);
    return anchor;
  }
  function cell(name, data) {
    var node = element(name, data.c);
    node.appendChild(linked(data.t, data.l));
    if (data.n) node.appendChild(element('span', 'referee', data.n));
    return node;
  }
  function block(data) {
    var node = element('div', 'block');
    if (data.t) {
      var title = element('h3');
      title.appendChild(linked(data.t, data.l));
      node.appendChild(title);
    }
    var scroll = element('div', 'scroll');
    var table = element('table');
    if (data.k && data.k.length) {
      var head = element('thead');
      var headRow = element('tr');
      data.k.forEach(function (c) { headRow.appendChild(cell('th', c)); });
      head.appendChild(headRow);
      table.appendChild(head);
    }
    var rows = element('tbody');
    (data.z || []).forEach(function (r) {
      var row = element('tr', r.c);
      r.z.forEach(function (c) { row.appendChild(cell('td', c)); });
      rows.appendChild(row);
    });
    table.appendChild(rows);
    scroll.appendChild(table);
    node.appendChild(scroll);
    if (data.h) node.appendChild(element('p', 'note', data.h));
    return node;
  }
  function section(data) {
    var node = element('section');
    node.appendChild(element('h2', null, data.t));
    var groups = element('div', 'groups');
    (data.b || []).forEach(function (b) { groups.appendChild(block(b)); });
    node.appendChild(groups);
    if (data.h) node.appendChild(element('p', 'note', data.h));
    return node;
  }
  function replaceContent(id, nodes) {
    var target = document.getElementById(id);
    if (!target) return;
    while (target.firstChild) target.removeChild(target.firstChild);
    nodes.forEach(function (n) { target.appendChild(n); });
  }
  function draw(page) {
    document.title = page.titel || '';
    replaceContent('turnier', [document.createTextNode(page.turnier || '')]);
    replaceContent('status', [document.createTextNode(page.status || '')]);
    replaceContent('navigation', (page.navigation || []).map(function (l) {
      var anchor = linked(l.t, l.l);
      if (l.c) anchor.className = 'current';
      return anchor;
    }));
    replaceContent('inhalt', (page.abschnitte || []).map(section));
  }
  function showState(text, offline) {
    var live = document.getElementById('live');
    if (!live) return;
    live.className = offline ? 'live offline' : 'live';
    live.textContent = text;
  }
  function clock() {
    var now = new Date();
    function two(n) { return (n < 10 ? '0' : '') + n; }
    return two(now.getHours()) + ':' + two(now.getMinutes()) + ':' + two(now.getSeconds());
  }
  function schedule() {
    if (timer !== null) clearTimeout(timer);
    timer = document.hidden ? null : setTimeout(poll, pollMs);
  }
  function poll() {
    timer = null;
    if (busy) return;
    busy = true;
    var headers = {};
    if (tag) headers['If-None-Match'] = tag;
    fetch(source, { headers: headers, cache: 'no-store', credentials: 'omit' })
      .then(function (response) {
        if (response.status === 304) return null;
        if (response.status === 404) throw { text: 'Diese Seite gibt es nicht mehr.' };
        if (!response.ok) throw {};
        tag = response.headers.get('ETag');
        return response.json();
      })
      .then(function (page) {
        if (page) draw(page);
        showState('Live: Stand ' + clock(), false);
      })
      .catch(function (error) {
        showState((error && error.text) || 'Keine Verbindung zum Turnierrechner – neuer Versuch läuft …', true);
      })
      .then(function () {
        busy = false;
        schedule();
      });
  }
  document.addEventListener('visibilitychange', function () {
    if (!document.hidden && timer === null && !busy) poll();
  });
  schedule();
})();
)js");
}
