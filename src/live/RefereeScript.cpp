#include "live/RefereePage.h"

// The script of a referee's entry page. It shows the typed result in words as the server will
// read it (any character that is not a digit separates numbers, as at the desk), asks every few
// seconds what the desk made of the results sent, and loads the page anew (by GET, so nothing
// is sent twice) when the next game is due and nobody is typing. Texts only become text nodes.
QByteArray RefereeScript()
{
    return QByteArrayLiteral(R"js('use strict';
(function () {
  var body = document.body;
  var withSets = body.getAttribute('data-saetze') === '1';
  var source = body.getAttribute('data-daten');
  var page = body.getAttribute('data-seite');
  var games = body.getAttribute('data-spiele');
  var pollMs = 3000;
  var stopped = false;

  // The answer to a post stands at the post's address; a reload must not send it again.
  if (page && window.history && history.replaceState) history.replaceState(null, '', page);

  function score(a, b) { return a + ':' + b; }
  function words(text, teamA, teamB) {
    if (text.trim().toLowerCase() === 'x') return { ok: true, text: 'Spiel fällt aus: ' + teamA + ' – ' + teamB };
    var numbers = (text.match(/[0-9]+/g) || []).map(function (n) { return Math.min(parseInt(n, 10), 999999); });
    var example = withSets ? 'zB 25:20 22:25 15:10' : 'zB 3:1';
    if (numbers.length === 0) return { ok: false, text: 'Fehlerhafte Eingabe: bitte das Ergebnis eingeben, ' + example + '.' };
    if (text.replace(/^[^0-9]+/, '') === '0') return { ok: false, text: 'Ein Ergebnis löschen kann nur der Turniertisch.' };
    var first = 0, second = 0, detail = '';
    if (withSets) {
      if (numbers.length % 2 === 1) return { ok: false, text: 'Beim letzten Satz fehlt eine Zahl, ' + example + '.' };
      var sets = [];
      for (var i = 0; i < numbers.length; i += 2) {
        if (numbers[i] > numbers[i + 1]) first++;
        else if (numbers[i] < numbers[i + 1]) second++;
        sets.push(score(numbers[i], numbers[i + 1]));
      }
      detail = ' Sätze (' + sets.join(' ') + ')';
    } else {
      if (numbers.length === 1) return { ok: false, text: 'Bitte die Tore beider Mannschaften eingeben, ' + example + '.' };
      first = numbers[0];
      second = numbers[1];
    }
    if (first === second)
      return { ok: true, text: teamA + ' und ' + teamB + ' spielen ' + score(first, second) + detail + ' unentschieden' };
    var firstWins = first > second;
    return { ok: true, text: (firstWins ? teamA : teamB) + ' gewinnt ' + score(Math.max(first, second), Math.min(first, second)) +
             detail + ' gegen ' + (firstWins ? teamB : teamA) };
  }

  var forms = Array.prototype.slice.call(document.querySelectorAll('form.spiel'));
  forms.forEach(function (form) {
    var input = form.querySelector('input[type=text]');
    var preview = form.querySelector('.vorschau');
    var button = form.querySelector('button');
    function show() {
      if (!input.value.trim()) { preview.textContent = ''; preview.className = 'vorschau'; return; }
      var said = words(input.value, form.getAttribute('data-a'), form.getAttribute('data-b'));
      preview.textContent = said.text;
      preview.className = said.ok ? 'vorschau ok' : 'vorschau fehler';
    }
    input.addEventListener('input', show);
    form.addEventListener('submit', function (event) {
      var said = words(input.value, form.getAttribute('data-a'), form.getAttribute('data-b'));
      if (!said.ok) { event.preventDefault(); show(); return; }
      button.disabled = true; // one tap sends once
      button.textContent = 'Wird gesendet …';
    });
    show();
  });

  function busy() {
    return forms.some(function (form) {
      var input = form.querySelector('input[type=text]');
      return input.value.trim() !== '' || document.activeElement === input;
    });
  }
  function poll() {
    if (stopped) return;
    if (document.hidden) { setTimeout(poll, pollMs); return; }
    fetch(source, { cache: 'no-store', credentials: 'omit' })
      .then(function (response) {
        if (response.status === 403 || response.status === 429) { stopped = true; return null; }
        return response.ok ? response.json() : null;
      })
      .then(function (data) {
        if (!data) return;
        var unknown = false;
        (data.gesendet || []).forEach(function (sent) {
          var cell = document.getElementById('stand-' + sent.nr);
          if (!cell) { unknown = true; return; }
          cell.textContent = sent.stand;
          cell.className = 'stand ' + sent.klasse;
        });
        if ((data.spiele !== games || unknown) && !busy()) window.location.replace(page);
      })
      .catch(function () {})
      .then(function () { if (!stopped) setTimeout(poll, pollMs); });
  }
  if (source && page) setTimeout(poll, pollMs);
})();
)js");
}
