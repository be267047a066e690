// The page's texts, one table per language: Slovenian and English. The evaluator's messages
// are shown as they are, untranslated. A text is a string, or a function of what it speaks of.

/** The languages that the page speaks, by their tags. */
const Languages = ['sl', 'en'];

/** The key under which the page remembers the chosen language. */
const LanguageStorageKey = 'mrezovnik-standings-language';

/** A number as Slovenian writes it: a decimal comma. */
const slNumber = (text) => String(text).replace('.', ',');

const Texts = {
  sl: {
    title: 'Mrezovje: lestvica',
    language: 'Jezik:',
    number: slNumber,
    summary: (testCases, better, policy, files, contestants) => 'Testnih primerov: ' +
        testCases + '; boljše je ' + (better === 'higher' ? 'večje' : 'manjše') +
        ' število; za vsakega tekmovalca šteje ' +
        (policy === 'best' ? 'njegova najboljša' : 'njegova zadnja') + ' oddana rešitev. ' +
        'Datotek: ' + files + ', tekmovalcev: ' + contestants + '.',
    standingsHeading: 'Lestvica',
    standingsNote: 'Točke so 100 × povprečni delež najboljšega števila po vseh testnih ' +
        'primerih. Klik na glavo stolpca razvrsti po njem, klik na polje testnega primera ' +
        'pove, od kod je njegovo število.',
    legend: 'delež najboljšega števila od 0 do 1;',
    legendNone: 'ni odgovora;',
    legendRefused: 'datoteka je zavrnjena',
    columns: {
      rank: 'mesto', contestant: 'tekmovalec', file: 'datoteka', verdict: 'izid', score: 'točke',
      check: 'napaka', message: 'sporočilo', total: 'vsota števil', change: 'sprememba',
      testCase: 'testni primer', old: 'prej', new: 'zdaj',
    },
    testCase: (t) => 'testni primer ' + t,
    verdicts: {accepted: 'sprejeta', refused: 'zavrnjena', unreadable: 'neberljiva'},
    changeKinds: {rank: 'mesto', score: 'točke', verdict: 'izid', best: 'najboljše število'},
    cellAnswered: (who, t, fraction, count, best, block, file) => who + ', testni primer ' + t +
        ': delež ' + slNumber(fraction) + ', število ' + count + ' (najboljše ' + best +
        '), iz ' + block + '. bloka datoteke ' + file,
    cellNotAnswered: (who, t, file) => who + ', testni primer ' + t + ': datoteka ' + file +
        ' nanj ne odgovarja (delež 0)',
    cellRefused: (who, t, file, check, message) => who + ', testni primer ' + t +
        ': delež 0, ker je datoteka ' + file + ' zavrnjena (napaka ' + check + '):\n' + message,
    cellUnreadable: (who, t, file) => who + ', testni primer ' + t + ': delež 0, ker datoteke ' +
        file + ' ni bilo mogoče prebrati',
    filesHeading: 'Oddane datoteke',
    changesHeading: (earlier) => 'Spremembe od prejšnjega izračuna (' + earlier + ')',
    noChanges: 'Nič se ni spremenilo.',
  },
  en: {
    title: 'Mrezovje standings',
    language: 'Language:',
    number: (text) => String(text),
    summary: (testCases, better, policy, files, contestants) => testCases + ' test cases; ' +
        (better === 'higher' ? 'higher' : 'lower') + ' counts are better; each contestant\'s ' +
        (policy === 'best' ? 'highest scoring' : 'last') + ' submission counts. ' + files +
        ' files from ' + contestants + ' contestants.',
    standingsHeading: 'Standings',
    standingsNote: 'The score is 100 × the mean, over all test cases, of the fraction of the ' +
        'best count. Click a column\'s heading to sort by it, and a test case\'s cell to see ' +
        'where its count came from.',
    legend: 'fraction of the best count, 0 to 1;',
    legendNone: 'not answered;',
    legendRefused: 'the file was refused',
    columns: {
      rank: 'rank', contestant: 'contestant', file: 'file', verdict: 'verdict', score: 'score',
      check: 'check', message: 'message', total: 'sum of counts', change: 'change',
      testCase: 'test case', old: 'before', new: 'now',
    },
    testCase: (t) => 'test case ' + t,
    verdicts: {accepted: 'accepted', refused: 'refused', unreadable: 'unreadable'},
    changeKinds: {rank: 'rank', score: 'score', verdict: 'verdict', best: 'best count'},
    cellAnswered: (who, t, fraction, count, best, block, file) => who + ', test case ' + t +
        ': fraction ' + fraction + ', count ' + count + ' (best ' + best + '), from block ' +
        block + ' of ' + file,
    cellNotAnswered: (who, t, file) => who + ', test case ' + t + ': ' + file +
        ' does not answer it (fraction 0)',
    cellRefused: (who, t, file, check, message) => who + ', test case ' + t + ': fraction 0, ' +
        'since ' + file + ' was refused (check ' + check + '):\n' + message,
    cellUnreadable: (who, t, file) => who + ', test case ' + t + ': fraction 0, since ' + file +
        ' could not be read',
    filesHeading: 'Submitted files',
    changesHeading: (earlier) => 'Changes since the earlier run (' + earlier + ')',
    noChanges: 'Nothing changed.',
  },
};

/**
 * The language to speak: the one chosen before (stored), else the first of the browser's
 * preferred languages that the page speaks, else English.
 */
function chooseLanguage(stored, preferred) {
  if (Languages.includes(stored)) return stored;
  for (const tag of preferred) {
    const primary = String(tag).toLowerCase().split('-')[0];
    if (Languages.includes(primary)) return primary;
  }
  return 'en';
}
