'use strict';
// Tonight's courts, next matches, waiting list and standings, read from
// state.json every few seconds. The player's own name is kept in this
// browser's localStorage (no cookies).
(function () {
  const refreshMs = 3000;
  const meKey = 'rallynote.me';
  let latest = null;
  let lastOk = 0;

  function el(tag, cls, text) {
    const node = document.createElement(tag);
    if (cls) node.className = cls;
    if (text !== undefined) node.textContent = text;
    return node;
  }

  function myName() {
    try { return localStorage.getItem(meKey) || ''; } catch (e) { return ''; }
  }

  function setMyName(name) {
    try {
      if (name) localStorage.setItem(meKey, name); else localStorage.removeItem(meKey);
    } catch (e) { /* private mode: the choice lasts until the page closes */ }
    render();
  }

  function sideText(names) { return names.join('・'); }

  function sideNode(names, team, colours) {
    const node = el('span', 'side' + (colours ? ' team' + team : ''));
    names.forEach(function (name, index) {
      if (index > 0) node.appendChild(document.createTextNode('・'));
      node.appendChild(el('span', name === myName() ? 'mine' : '', name));
    });
    return node;
  }

  function replace(id, children) {
    const box = document.getElementById(id);
    box.replaceChildren.apply(box, children);
  }

  function renderCourts(state) {
    const me = myName();
    const cards = state.courts.map(function (court) {
      const card = el('div', 'court' + (court.finished ? ' finished' : ''));
      if (!court.finished && court.sides.some(function (s) { return s.indexOf(me) >= 0; })) {
        card.classList.add('mine');
      }
      card.appendChild(el('div', 'court-no', String(court.court)));
      card.appendChild(sideNode(court.sides[0], court.teams[0], state.teamColours));
      card.appendChild(sideNode(court.sides[1], court.teams[1], state.teamColours));
      let note;
      if (court.finished) note = '終了 ' + court.games[0] + '－' + court.games[1];
      else if (court.minutes !== null) note = court.minutes + '分経過';
      else note = '試合中';
      card.appendChild(el('div', 'minutes', note));
      return card;
    });
    replace('courts', cards.length ? cards : [el('p', 'empty', '試合中のコートはありません')]);
  }

  function renderNext(state) {
    const me = myName();
    const items = state.next.map(function (match) {
      const item = el('li');
      if (match.some(function (side) { return side.indexOf(me) >= 0; })) item.classList.add('mine');
      item.appendChild(sideNode(match[0], 0, state.teamColours));
      item.appendChild(el('span', 'vs', ' 対 '));
      item.appendChild(sideNode(match[1], 1, state.teamColours));
      return item;
    });
    replace('next', items.length ? items : [el('p', 'empty', '候補はまだありません')]);
  }

  function renderWaiting(state) {
    const me = myName();
    const items = state.waiting.map(function (member) {
      const item = el('li', member.name === me ? 'mine' : '');
      item.appendChild(el('span', '', member.name));
      const wait = member.minutes === null ? '' : '待ち' + member.minutes + '分・';
      item.appendChild(el('span', 'num', wait + '本日' + member.played + '試合'));
      return item;
    }).concat(state.resting.map(function (member) {
      const item = el('li', 'rest' + (member.name === me ? ' mine' : ''));
      item.appendChild(el('span', '', member.name));
      item.appendChild(el('span', 'num', '休'));
      return item;
    }));
    replace('waiting', items.length ? items : [el('p', 'empty', '待っている人はいません')]);
  }

  function renderStandings(state) {
    const me = myName();
    const tables = state.standings.filter(function (t) { return t.rows.length > 0; })
      .map(function (t) {
        const table = el('table');
        table.appendChild(el('caption', '', t.title));
        const head = el('tr');
        ['順位', '名前', '試合', '勝', '勝率'].forEach(function (h) { head.appendChild(el('th', '', h)); });
        table.appendChild(head);
        t.rows.forEach(function (row) {
          const line = el('tr', row.name === me ? 'mine' : '');
          [row.rank, row.name, row.played, row.wins, row.rate + '%'].forEach(function (v) {
            line.appendChild(el('td', '', String(v)));
          });
          table.appendChild(line);
        });
        return table;
      });
    replace('standings', tables.length ? tables : [el('p', 'empty', 'まだ結果がありません')]);
  }

  function renderNames(state) {
    const me = myName();
    const buttons = state.players.map(function (player) {
      const button = el('button', player.name === me ? 'mine' : '', player.name);
      button.type = 'button';
      button.addEventListener('click', function () { setMyName(player.name); });
      return button;
    });
    replace('names', buttons);
  }

  function renderMe(state) {
    const me = myName();
    const box = document.getElementById('me');
    const player = state.players.find(function (p) { return p.name === me; });
    box.hidden = !player;
    document.getElementById('choose').hidden = !!player;
    if (!player) return;
    document.getElementById('me-name').textContent = player.name;
    let status;
    let detail = '本日' + player.played + '試合';
    if (player.state === 'playing') {
      status = 'コート' + player.court + 'で試合中';
    } else if (player.state === 'next') {
      status = player.ahead === 0 ? '次の試合です' : 'あと' + player.ahead + '試合';
      detail = '次の試合の' + (player.ahead + 1) + '番目の候補・' + detail;
    } else if (player.state === 'resting') {
      status = '休憩中';
    } else {
      status = '待ち';
      detail = '次の試合の候補にはまだ入っていません・' + detail;
    }
    if (player.state !== 'playing' && player.minutes !== null) {
      detail = '待ち' + player.minutes + '分・' + detail;
    }
    document.getElementById('me-status').textContent = status;
    document.getElementById('me-detail').textContent = detail;
  }

  function render() {
    if (!latest) return;
    document.getElementById('title').textContent = latest.title || '今日の試合';
    document.getElementById('clock').textContent = latest.clock;
    renderMe(latest);
    renderCourts(latest);
    renderNext(latest);
    renderWaiting(latest);
    renderStandings(latest);
    renderNames(latest);
  }

  function showStatus() {
    const status = document.getElementById('status');
    const stale = Date.now() - lastOk > 3 * refreshMs;
    status.className = 'status' + (stale ? ' stale' : '');
    status.textContent = stale ? '接続できません。同じWi-Fiにつながっているか確かめてください（自動で再試行します）'
      : '自動で更新しています';
  }

  function refresh() {
    fetch('state.json', { cache: 'no-store', credentials: 'omit' })
      .then(function (response) {
        if (!response.ok) throw new Error(String(response.status));
        return response.json();
      })
      .then(function (state) {
        latest = state;
        lastOk = Date.now();
        render();
      })
      .catch(function () { /* shown as stale below; the next poll tries again */ })
      .then(function () {
        showStatus();
        setTimeout(refresh, refreshMs);
      });
  }

  document.getElementById('me-change').addEventListener('click', function () { setMyName(''); });
  refresh();
})();
