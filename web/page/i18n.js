// The page's texts, one table per language: Slovenian and English. The evaluator's own
// messages and the report are shown as they are, untranslated. A text is a string, or a
// function of the numbers and names that it speaks of. The words for the fault kinds are
// keyed by the module's names of the kinds (fault_kinds.js): each kind needs one in each
// language, which the browser tests check.

/** The languages that the page speaks, by their tags. */
export const Languages = ['sl', 'en'];

/** The key under which the page remembers the chosen language. */
export const LanguageStorageKey = 'mrezovnik-viewer-language';

/**
 * Slovenian noun forms for a count: [1, 2, 3 and 4, the rest], by the last two digits, as in
 * 1 napaka, 2 napaki, 3 napake, 5 napak, 101 napaka.
 */
function slovenianForm(count, forms) {
  const lastTwo = count % 100;
  return lastTwo === 1 ? forms[0] : lastTwo === 2 ? forms[1] :
      lastTwo === 3 || lastTwo === 4 ? forms[2] : forms[3];
}

/** English noun forms for a count: [one, more]. */
function englishForm(count, forms) {
  return count === 1 ? forms[0] : forms[1];
}

/** Megabytes with one decimal. */
const megabytes = (bytes) => (bytes / 1e6).toFixed(1);

/** Seconds with two decimals, from milliseconds. */
const seconds = (milliseconds) => (milliseconds / 1000).toFixed(2);

/** A number's decimal point as Slovenian writes it, a comma. */
const decimalComma = (text) => text.replace('.', ',');

/** Megabytes and seconds as Slovenian writes them. */
const slMegabytes = (bytes) => decimalComma(megabytes(bytes));
const slSeconds = (milliseconds) => decimalComma(seconds(milliseconds));

export const Texts = {
  sl: {
    title: 'Mrezovje: pregledovalnik mrež',
    inputFile: 'Vhodna datoteka',
    submissionFile: 'Oddane rešitve',
    dropHint: 'ali pa vhodno datoteko in oddane rešitve spusti sem.',
    examples: 'Primera:',
    exampleAccepted: 'sprejeta rešitev',
    exampleRefused: 'zavrnjena rešitev',
    language: 'Jezik:',
    report: 'Poročilo',
    download: 'prenesi',
    exitCode: 'izhodna koda',
    reportGoesOn: (bytes) => 'Poročilo se nadaljuje še ' + bytes + ' ' +
        slovenianForm(bytes, ['bajt', 'bajta', 'bajte', 'bajtov']) +
        ': prenesi ga, da vidiš celega.',
    blocksHeading: 'Bloki oddane rešitve:',
    onlyRefused: 'samo zavrnjeni',
    refusedOfJudged: (refused, judged) => 'zavrnjenih ' + refused + ' od ' + judged,
    block: (position, line, testCase) => 'blok ' + position + ', vrstica ' + line +
        ': testni primer ' + testCase,
    nearPairs: (count) => count + ' ' +
        slovenianForm(count, ['par', 'para', 'pari', 'parov']) + ' bližnjih črnih polj',
    refusedFaults: (count) => 'zavrnjen, ' + count + ' ' +
        slovenianForm(count, ['napaka', 'napaki', 'napake', 'napak']),
    namedInReport: 'ta blok navaja poročilo',
    notListed: (count) => 'izpuščenih blokov: ' + count,
    stopInSubmission: (line, check) => 'Branje se je ustavilo v ' + line +
        '. vrstici oddane rešitve (napaka ' + check + '):',
    stopInInput: (check) => 'Vhodna datoteka ima napako (napaka ' + check + '):',
    stopUnexpected: 'Branje se je ustavilo zaradi nepričakovane napake:',
    messageGoesOn: (bytes) => '(sporočilo se nadaljuje še ' + bytes + ' ' +
        slovenianForm(bytes, ['bajt', 'bajta', 'bajte', 'bajtov']) + '; celo je v poročilu)',
    restNotRead: 'Preostanka oddane rešitve ocenjevalnik ne prebere.',
    inputNotRead: 'Oddane rešitve ocenjevalnik ne prebere.',
    faultsHeading: 'Napake prikazanega bloka:',
    blockAccepted: 'Blok je sprejet: nobeno polje ne krši pravil.',
    faultsLeftOut: (count, listed) => 'izpuščenih napak: ' + count + ' (seznam ima prvih ' +
        listed + ')',
    keys: 'Tipke: n ali j naslednja napaka, p ali k prejšnja; ↑ in ↓ v seznamu napak; [ in ] ' +
        'prejšnja in naslednja oddana rešitev; v druga rešitev primerjanega para; m označi ' +
        'različna polja.',
    submissionsHeading: 'Oddane rešitve:',
    submissionSummary: (accepted, refused, nearPairs) => 'sprejetih blokov ' + accepted +
        ', zavrnjenih ' + refused + '; ' + nearPairs + ' ' +
        slovenianForm(nearPairs, ['par', 'para', 'pari', 'parov']) +
        ' bližnjih črnih polj v sprejetih blokih',
    stillJudging: ' (pregledujem)',
    compareLabel: 'Primerjaj',
    compareWith: 'z',
    compare: 'primerjaj',
    stopComparing: 'nazaj na bloke',
    comparisonHeading: (a, b) => 'Testni primeri, A: ' + a + ', B: ' + b,
    comparisonNote: 'Razlika je B − A; katera smer je boljša, določajo pravila tekmovanja.',
    comparisonSummary: (rose, fell, same, changed) => 'število se je povečalo: ' + rose +
        ', zmanjšalo: ' + fell + ', ostalo enako: ' + same + ', ocena se je spremenila: ' + changed,
    answer: (verdict, count, blocks) => (verdict === 'accepted' ? 'sprejet, ' + count :
        verdict === 'refused' ? 'zavrnjen' : 'brez odgovora') +
        (blocks > 1 ? ' (odgovarja mu ' + blocks + ' ' +
         slovenianForm(blocks, ['blok', 'bloka', 'bloki', 'blokov']) + ')' : ''),
    comparisonRow: (testCase, a, b, difference) => 'testni primer ' + testCase + ': A ' + a +
        '; B ' + b + (difference === null ? '' : '; razlika ' + difference),
    showing: (label, name) => 'prikazana rešitev ' + label + ': ' + name,
    mergeLabel: 'Prenesi najboljše od teh:',
    mergeHigher: 'večje število je boljše',
    mergeLower: 'manjše število je boljše',
    mergeHint: 'Za vsak testni primer najboljši blok teh rešitev, ki je veljaven sam zase, v ' +
        'eni datoteki; katero število je boljše, določajo pravila tekmovanja.',
    merging: 'združujem …',
    merged: (name) => 'preneseno: ' + name,
    mergeFailed: (problem) => 'Združevanje ni uspelo:\n' + problem,
    chartHeading: 'Število bližnjih parov po testnih primerih, po prvem bloku vsakega:',
    chartTestCase: 'testni primer',
    chartCount: 'pari bližnjih črnih polj (logaritemska lestvica)',
    chartPoint: (name, testCase, count) => name + ': testni primer ' + testCase + ', ' + count +
        ' ' + slovenianForm(count, ['par', 'para', 'pari', 'parov']) + ' bližnjih črnih polj',
    chartNote: 'Vrzel: prvi blok testnega primera je zavrnjen ali pa rešitev nanj ne odgovarja. ' +
        'Klik na točko prikaže njen blok.',
    markDifferences: 'označi različna polja',
    differingCells: (count) => 'različnih polj: ' + count,
    legendDifference: 'polje, ki se razlikuje od druge rešitve para',
    notAnswered: (testCase) => 'Ta oddana rešitev ne odgovarja na testni primer ' + testCase + '.',
    savePng: 'shrani kot PNG',
    pngTestCase: (testCase) => 'testni primer ' + testCase,
    blockTitle: (testCase, n, d, b, c) => 'testni primer ' + testCase + ': n = ' + n +
        ', d = ' + d + ', b = ' + b + ', c = ' + c,
    wholeGrid: 'cela mreža',
    selectedFault: 'izbrana napaka',
    zoomIn: 'povečaj',
    zoomOut: 'pomanjšaj',
    legendWhite: 'belo',
    legendBlack: 'črno v vhodni mreži',
    legendPainted: 'pobarvano črno',
    legendRed: 'rdeče',
    legendNeighbourhood: 'okolica izbrane napake s polmerom d',
    faultKinds: {
      invalidCell: 'neveljaven znak',
      redChanged: 'rdeče polje spremenjeno',
      blackChanged: 'črno polje spremenjeno',
      whiteToRed: 'belo polje spremenjeno v rdeče',
      tooFewWhite: 'premalo belih polj v okolici',
      tooManyBlack: 'preveč črnih polj v okolici',
    },
    reading: (input, submission) => 'berem ' + input + ' in ' + submission,
    checkingInput: (loaded, total) => 'preverjanje vhodne datoteke: ' + slMegabytes(loaded) +
        ' od ' + slMegabytes(total) + ' MB',
    evaluating: 'ocenjujem',
    evaluated: (milliseconds) => 'ocenjeno v ' + slSeconds(milliseconds) + ' s',
    firstView: (milliseconds) => 'prvi prikaz po ' + slSeconds(milliseconds) + ' s',
    judging: (judged, loaded, total) => 'pregledanih blokov: ' + judged + ' (' +
        slMegabytes(loaded) + ' od ' + slMegabytes(total) + ' MB)',
    judged: (judged, milliseconds) => 'vsi bloki (' + judged + ') pregledani v ' +
        slSeconds(milliseconds) + ' s',
    failed: (error) => 'Pregledovalnik je odpovedal: ' + error,
    dropTwo: 'Spusti vhodno datoteko in vsaj eno oddano rešitev hkrati.',
    colours: {white: 'belo', black: 'črno', red: 'rdeče', byte: (code) => 'bajt ' + code},
    painted: ' (pobarvano)',
    cellPlace: (column, row) => column + '. polje v ' + row + '. vrstici',
    cellCounts: (d, white, b, black, c) => 'v okolici s polmerom d = ' + d +
        ': belih polj ' + white + ', kar je ' + (white >= b ? 'vsaj' : 'MANJ kot') +
        ' b = ' + b + '; črnih polj ' + black + ', kar je ' + (black <= c ? 'največ' : 'VEČ kot') +
        ' c = ' + c,
  },
  en: {
    title: 'Mrezovje grid viewer',
    inputFile: 'Input file',
    submissionFile: 'Submissions',
    dropHint: 'or drop the input file and the submissions here.',
    examples: 'Examples:',
    exampleAccepted: 'accepted',
    exampleRefused: 'refused',
    language: 'Language:',
    report: 'Report',
    download: 'download',
    exitCode: 'exit code',
    reportGoesOn: (bytes) => 'The report goes on for ' + bytes + ' more ' +
        englishForm(bytes, ['byte', 'bytes']) + ': download it to see it whole.',
    blocksHeading: 'Blocks of the submission:',
    onlyRefused: 'refused only',
    refusedOfJudged: (refused, judged) => refused + ' of ' + judged + ' refused',
    block: (position, line, testCase) => 'block ' + position + ', line ' + line +
        ': test case ' + testCase,
    nearPairs: (count) => count + ' ' + englishForm(count, ['near pair', 'near pairs']),
    refusedFaults: (count) => 'refused, ' + count + ' ' + englishForm(count, ['fault', 'faults']),
    namedInReport: 'the block that the report names',
    notListed: (count) => count + ' more ' + englishForm(count, ['block', 'blocks']) +
        ', not listed',
    stopInSubmission: (line, check) => 'Reading stopped at line ' + line +
        ' of the submission (check ' + check + '):',
    stopInInput: (check) => 'The input file has a fault (check ' + check + '):',
    stopUnexpected: 'Reading stopped at an unexpected failure:',
    messageGoesOn: (bytes) => '(the message goes on for ' + bytes + ' more ' +
        englishForm(bytes, ['byte', 'bytes']) + '; the report holds it whole)',
    restNotRead: 'The evaluator does not read the rest of the submission.',
    inputNotRead: 'The evaluator does not read the submission.',
    faultsHeading: 'Faults of the shown block:',
    blockAccepted: 'The block is accepted: no cell breaks a rule.',
    faultsLeftOut: (count, listed) => count + ' more ' + englishForm(count, ['fault', 'faults']) +
        ' left out (the list holds the first ' + listed + ')',
    keys: 'Keys: n or j next fault, p or k previous; ↑ and ↓ in the fault list; [ and ] ' +
        'previous and next submission; v the other submission of the compared pair; m marks ' +
        'the cells that differ.',
    submissionsHeading: 'Submissions:',
    submissionSummary: (accepted, refused, nearPairs) => accepted + ' accepted, ' + refused +
        ' refused; ' + nearPairs + ' ' + englishForm(nearPairs, ['near pair', 'near pairs']) +
        ' in accepted blocks',
    stillJudging: ' (judging)',
    compareLabel: 'Compare',
    compareWith: 'with',
    compare: 'compare',
    stopComparing: 'back to the blocks',
    comparisonHeading: (a, b) => 'Test cases, A: ' + a + ', B: ' + b,
    comparisonNote: 'The difference is B − A; which direction is better, the contest\'s rules decide.',
    comparisonSummary: (rose, fell, same, changed) => 'count rose: ' + rose + ', fell: ' + fell +
        ', stayed the same: ' + same + ', verdict changed: ' + changed,
    answer: (verdict, count, blocks) => (verdict === 'accepted' ? 'accepted, ' + count :
        verdict === 'refused' ? 'refused' : 'not answered') +
        (blocks > 1 ? ' (answered by ' + blocks + ' blocks)' : ''),
    comparisonRow: (testCase, a, b, difference) => 'test case ' + testCase + ': A ' + a +
        '; B ' + b + (difference === null ? '' : '; difference ' + difference),
    showing: (label, name) => 'showing ' + label + ': ' + name,
    mergeLabel: 'Download the best of these:',
    mergeHigher: 'higher counts are better',
    mergeLower: 'lower counts are better',
    mergeHint: 'For each test case, the best block of these submissions that is valid on its ' +
        'own, in one file; which counts are better, the contest\'s rules decide.',
    merging: 'merging …',
    merged: (name) => 'downloaded: ' + name,
    mergeFailed: (problem) => 'The merge failed:\n' + problem,
    chartHeading: 'Near pairs by test case, from each one\'s first block:',
    chartTestCase: 'test case',
    chartCount: 'near pairs (logarithmic scale)',
    chartPoint: (name, testCase, count) => name + ': test case ' + testCase + ', ' + count + ' ' +
        englishForm(count, ['near pair', 'near pairs']),
    chartNote: 'A gap: the test case\'s first block is refused, or the submission does not ' +
        'answer it. A click on a point shows its block.',
    markDifferences: 'mark the cells that differ',
    differingCells: (count) => count + ' ' + englishForm(count, ['cell differs', 'cells differ']),
    legendDifference: 'cell that differs from the pair\'s other submission',
    notAnswered: (testCase) => 'This submission does not answer test case ' + testCase + '.',
    savePng: 'save as PNG',
    pngTestCase: (testCase) => 'test case ' + testCase,
    blockTitle: (testCase, n, d, b, c) => 'test case ' + testCase + ': n = ' + n + ', d = ' + d +
        ', b = ' + b + ', c = ' + c,
    wholeGrid: 'whole grid',
    selectedFault: 'selected fault',
    zoomIn: 'zoom in',
    zoomOut: 'zoom out',
    legendWhite: 'white',
    legendBlack: 'black in the input',
    legendPainted: 'painted black',
    legendRed: 'red',
    legendNeighbourhood: 'neighbourhood of radius d of the selected fault',
    faultKinds: {
      invalidCell: 'invalid character',
      redChanged: 'red cell changed',
      blackChanged: 'black cell changed',
      whiteToRed: 'white cell made red',
      tooFewWhite: 'too few white cells around',
      tooManyBlack: 'too many black cells around',
    },
    reading: (input, submission) => 'reading ' + input + ' and ' + submission,
    checkingInput: (loaded, total) => 'checking the input file: ' + megabytes(loaded) + ' of ' +
        megabytes(total) + ' MB',
    evaluating: 'evaluating',
    evaluated: (milliseconds) => 'evaluated in ' + seconds(milliseconds) + ' s',
    firstView: (milliseconds) => 'first view after ' + seconds(milliseconds) + ' s',
    judging: (judged, loaded, total) => 'blocks judged: ' + judged + ' (' + megabytes(loaded) +
        ' of ' + megabytes(total) + ' MB)',
    judged: (judged, milliseconds) => 'all blocks (' + judged + ') judged in ' +
        seconds(milliseconds) + ' s',
    failed: (error) => 'The viewer failed: ' + error,
    dropTwo: 'Drop the input file and at least one submission together.',
    colours: {white: 'white', black: 'black', red: 'red', byte: (code) => 'byte ' + code},
    painted: ' (painted)',
    cellPlace: (column, row) => column + '. polje v ' + row + '. vrstici (column ' + column +
        ', row ' + row + ')',
    cellCounts: (d, white, b, black, c) => 'within d = ' + d + ': ' + white + ' white, ' +
        (white >= b ? 'at least' : 'FEWER than') + ' b = ' + b + '; ' + black + ' black, ' +
        (black <= c ? 'at most' : 'MORE than') + ' c = ' + c,
  },
};

/**
 * The language to speak: the one chosen before (stored), else the first of the browser's
 * preferred languages that the page speaks, else English.
 */
export function chooseLanguage(stored, preferred) {
  if (Languages.includes(stored)) return stored;
  for (const tag of preferred) {
    const primary = String(tag).toLowerCase().split('-')[0];
    if (Languages.includes(primary)) return primary;
  }
  return 'en';
}
