// The standings page: the document of standings.json, which the page's data block holds, shown
// as three tables: the changes since an earlier run, the standings with a heat map of each
// test case's fraction, and every submitted file. Each table sorts by any column. It runs
// from disk, with nothing fetched.

/** The standings, as standings.json has them. */
const data = JSON.parse(document.getElementById('standings-data').textContent);

/** What the page shows: the language, each table's order, the heat map's chosen cell. */
const state = {
  language: 'en',
  sorts: {
    standings: {column: 'rank', descending: false},
    files: {column: null, descending: false},
    changes: {column: null, descending: false},
  },
  /** The chosen cell of the heat map: the row's index in data.standings and the test case. */
  chosen: null,
};

/** The texts of the language spoken. */
function texts() {
  return Texts[state.language];
}

/** A new element with the given class and text. */
function element(tag, className, text) {
  const node = document.createElement(tag);
  if (className) node.className = className;
  if (text !== undefined && text !== null) node.textContent = String(text);
  return node;
}

/** The colour of a fraction, from pale (0) to dark blue (1). */
function heatColour(fraction) {
  return 'hsl(212, 75%, ' + Math.round(95 - 62 * fraction) + '%)';
}

/**
 * Two sort keys compared: numbers by value, texts by their characters; an empty key (null)
 * after any other.
 */
function compareKeys(a, b, descending) {
  if (a === null || b === null) return a === b ? 0 : a === null ? 1 : -1;
  const order = a < b ? -1 : a > b ? 1 : 0;
  return descending ? -order : order;
}

/**
 * Fills `table` with a heading row of `columns` and a row per item, sorted as `sort` says;
 * equal keys keep the items' own order (the standings': by rank, then contestant). A click on
 * a heading sorts by its column, a second click the other way.
 */
function fillTable(table, columns, items, sort, rowClass) {
  table.replaceChildren();
  const heading = document.createElement('tr');
  for (const column of columns) {
    const cell = element('th', column.className, column.label());
    if (column.title) cell.title = column.title();
    cell.dataset.column = column.id;
    if (sort.column === column.id) cell.setAttribute('aria-sort', sort.descending ? 'descending' : 'ascending');
    cell.addEventListener('click', () => {
      sort.descending = sort.column === column.id ? !sort.descending : Boolean(column.descendingFirst);
      sort.column = column.id;
      render();
    });
    heading.append(cell);
  }
  const head = document.createElement('thead');
  head.append(heading);
  const body = document.createElement('tbody');
  const order = items.map((item, index) => ({item, index}));
  const sorted = columns.find((column) => column.id === sort.column);
  if (sorted) {
    order.sort((a, b) => compareKeys(sorted.key(a.item), sorted.key(b.item), sort.descending) ||
               a.index - b.index);
  }
  for (const {item, index} of order) {
    const row = element('tr', rowClass ? rowClass(item) : '');
    for (const column of columns) row.append(column.cell(item, index));
    body.append(row);
  }
  table.append(head, body);
}

/** A text column of the key `field` of each item. */
function textColumn(id, field, className) {
  return {id, label: () => texts().columns[id], key: (item) => field(item),
          cell: (item) => element('td', className, field(item))};
}

/** A number column, largest first when first sorted. */
function numberColumn(id, field, shown) {
  return {id, className: 'number', descendingFirst: true, label: () => texts().columns[id],
          key: (item) => field(item),
          cell: (item) => element('td', 'number', field(item) === null ? '' : shown(field(item)))};
}

/** The result of a standings row's chosen file. */
function resultOf(row) {
  return data.results[row.result];
}

/** What the heat map's cell of a row and a test case says. */
function cellDetail(row, t) {
  const result = resultOf(row);
  const text = texts();
  if (result.verdict === 'refused') {
    return text.cellRefused(row.contestant, t, result.file, result.check, result.message);
  }
  if (result.verdict === 'unreadable') return text.cellUnreadable(row.contestant, t, result.file);
  if (result.counts[t - 1] === null) return text.cellNotAnswered(row.contestant, t, result.file);
  return text.cellAnswered(row.contestant, t, row.fractions[t - 1], result.counts[t - 1],
                           data.best[t - 1], result.blocks[t - 1], result.file);
}

/** The heat map's cell of a row and a test case. */
function heatCell(row, index, t) {
  const result = resultOf(row);
  const fraction = row.fractions[t - 1];
  const cell = element('td', 'heat');
  if (result.verdict !== 'accepted') {
    cell.classList.add('refused');
  } else if (result.counts[t - 1] === null) {
    cell.classList.add('none');
  } else {
    cell.style.background = heatColour(fraction);
  }
  if (state.chosen && state.chosen.row === index && state.chosen.t === t) cell.classList.add('chosen');
  cell.title = texts().testCase(t) + ': ' + texts().number(fraction);
  cell.dataset.testCase = String(t);
  cell.addEventListener('click', () => {
    state.chosen = {row: index, t};
    render();
  });
  return cell;
}

/** The standings' columns: the row's own, then one heat map column per test case. */
function standingsColumns() {
  const text = texts();
  const columns = [
    numberColumn('rank', (row) => row.rank, String),
    textColumn('contestant', (row) => row.contestant),
    textColumn('file', (row) => resultOf(row).file),
    {id: 'verdict', label: () => text.columns.verdict, key: (row) => resultOf(row).verdict,
     cell: (row) => element('td', '', text.verdicts[resultOf(row).verdict])},
    numberColumn('score', (row) => row.score, text.number),
  ];
  columns[0].descendingFirst = false;
  for (let t = 1; t <= data.testCases; ++t) {
    columns.push({id: 'test-' + t, className: 'test-case', descendingFirst: true, label: () => t,
                  title: () => text.testCase(t), key: (row) => row.fractions[t - 1],
                  cell: (row, index) => heatCell(row, index, t)});
  }
  return columns;
}

/** The files' columns. */
function fileColumns() {
  const text = texts();
  return [
    textColumn('file', (result) => result.file),
    textColumn('contestant', (result) => result.contestant),
    {id: 'verdict', label: () => text.columns.verdict, key: (result) => result.verdict,
     cell: (result) => element('td', '', text.verdicts[result.verdict])},
    numberColumn('check', (result) => result.check, String),
    textColumn('message', (result) => result.message, 'message'),
    numberColumn('total', (result) => result.total, String),
  ];
}

/** The changes' columns. */
function changeColumns() {
  const text = texts();
  /** A value as shown: a verdict in the page's words. */
  const shown = (change, value) => change.change === 'verdict' && value ? text.verdicts[value] :
      value;
  return [
    {id: 'change', label: () => text.columns.change, key: (change) => change.change,
     cell: (change) => element('td', '', text.changeKinds[change.change])},
    textColumn('contestant', (change) => change.contestant),
    numberColumn('testCase', (change) => change.testCase, String),
    {id: 'old', label: () => text.columns.old, key: (change) => change.old,
     cell: (change) => element('td', '', shown(change, change.old))},
    {id: 'new', label: () => text.columns.new, key: (change) => change.new,
     cell: (change) => element('td', '', shown(change, change.new))},
  ];
}

/** The legend of the heat map's colours. */
function fillLegend() {
  const text = texts();
  const legend = document.getElementById('legend');
  legend.replaceChildren();
  const swatch = (background) => {
    const node = element('i');
    node.style.background = background;
    return node;
  };
  legend.append(swatch('linear-gradient(90deg, ' + heatColour(0) + ', ' + heatColour(1) + ')'),
                text.legend, swatch('#e4e4e4'), text.legendNone, swatch('#f6d3d3'),
                text.legendRefused);
}

/** Shows everything in the language spoken. */
function render() {
  const text = texts();
  document.documentElement.lang = state.language;
  document.title = text.title;
  for (const node of document.querySelectorAll('[data-text]')) node.textContent = text[node.dataset.text];
  document.getElementById('language').value = state.language;
  document.getElementById('summary').textContent = text.summary(
      data.testCases, data.better, data.policy, data.results.length, data.standings.length);
  fillLegend();
  fillTable(document.getElementById('standings'), standingsColumns(), data.standings,
            state.sorts.standings, (row) => resultOf(row).verdict);
  fillTable(document.getElementById('files'), fileColumns(), data.results, state.sorts.files,
            (result) => result.verdict);
  const detail = document.getElementById('cell-detail');
  detail.textContent = state.chosen ?
      cellDetail(data.standings[state.chosen.row], state.chosen.t) : '';
  const changes = data.changes;
  document.getElementById('changes-section').hidden = changes === null;
  if (changes !== null) {
    document.getElementById('changes-heading').textContent = text.changesHeading(changes.earlier) +
        (changes.list.length === 0 ? ': ' + text.noChanges : '');
    fillTable(document.getElementById('changes'), changeColumns(), changes.list,
              state.sorts.changes);
  }
}

/** The language chosen before, if the browser keeps it. */
function storedLanguage() {
  try {
    return localStorage.getItem(LanguageStorageKey);
  } catch {
    return null;
  }
}

state.language = chooseLanguage(storedLanguage(), navigator.languages || [navigator.language]);
document.getElementById('language').addEventListener('change', (event) => {
  state.language = event.target.value;
  try {
    localStorage.setItem(LanguageStorageKey, state.language);
  } catch {
    // A browser that keeps nothing for pages opened from disk: the choice holds until a reload.
  }
  render();
});
render();
