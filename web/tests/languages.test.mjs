// The page's two languages: chosen by the browser's preference, switched and remembered.
import {test} from 'node:test';
import assert from 'node:assert/strict';
import {join} from 'node:path';
import {chromium} from 'playwright-core';
import {BrowserArgs, EveryKind, check, finished, pageUrl, pick} from './helpers.mjs';

/** The page's language: its <html lang>, title and the block list's heading. */
async function spoken(tab) {
  return tab.evaluate(() => ({
    lang: document.documentElement.lang,
    heading: document.querySelector('[data-text="blocksHeading"]').textContent,
  }));
}

/** A page of a fresh context whose browser prefers `languages` (or the locale's language). */
async function pageFor(t, browser, locale, languages) {
  const context = await browser.newContext({locale});
  if (languages) {
    await context.addInitScript((list) => {
      Object.defineProperty(navigator, 'languages', {get: () => list});
    }, languages);
  }
  const tab = await context.newPage();
  tab.on('pageerror', (error) => t.test('page error: ' + error.message, () => assert.fail(error.message)));
  await tab.goto(pageUrl);
  return tab;
}

/**
 * The language: Slovenian where the browser prefers it, English otherwise; fault kinds and
 * the page's texts translated, the evaluator's messages not; the switch, remembered.
 */
async function testLanguages(t) {
  const browser = await chromium.launch({executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
                                         headless: true, args: BrowserArgs});
  try {
    const chosen = [];
    for (const [locale, languages] of [['sl-SI', null], ['de-DE', null],
                                       ['de-DE', ['de-DE', 'sl', 'en-GB']],
                                       ['de-DE', ['de', 'en-US', 'sl']]]) {
      const tab = await pageFor(t, browser, locale, languages);
      chosen.push((await spoken(tab)).lang);
      await tab.context().close();
    }
    await check(t, chosen.join() === 'sl,en,sl,en', 'the language is the first preferred one that the ' +
          'page speaks, else English: ' + chosen.join());
    const tab = await pageFor(t, browser, 'sl-SI', null);
    const input = join(EveryKind, 'input.txt');
    const submission = join(EveryKind, 'submission.txt');
    await finished(tab, () => pick(tab, input, submission));
    const texts = () => tab.evaluate(() => ({
      block: document.querySelector('#blocks li.named').firstChild.textContent,
      kind: document.querySelector('#faults li.fault .kind').textContent,
      message: document.querySelector('#faults li.fault').lastChild.textContent,
      legend: document.getElementById('fault-legend').textContent,
    }));
    const slovenian = await texts();
    const heading = (await spoken(tab)).heading;
    await check(t, heading === 'Bloki oddane rešitve:' &&
          slovenian.block === 'blok 1, vrstica 4: testni primer 1, zavrnjen, 7 napak' &&
          slovenian.kind === 'rdeče polje spremenjeno:' && slovenian.legend.includes('neveljaven znak'),
          'Slovenian: ' + heading + ' / ' + slovenian.block + ' / ' + slovenian.kind);
    await check(t, slovenian.message === '1. polje v 1. vrstici je v vhodni mrezi rdece, v izhodni pa belo',
          'the evaluator\'s messages stay as they are');
    await tab.selectOption('#language', 'en');
    const english = await texts();
    await check(t, (await spoken(tab)).lang === 'en' && english.kind === 'red cell changed:' &&
          english.block === 'block 1, line 4: test case 1, refused, 7 faults',
          'the switch turns the page and what it shows into English: ' + english.block);
    await tab.reload();
    await check(t, (await spoken(tab)).lang === 'en', 'the choice holds across a reload');
    await tab.selectOption('#language', 'sl');
    await tab.reload();
    await check(t, (await spoken(tab)).lang === 'sl', 'and so does a choice back to Slovenian');
  } finally {
    await browser.close();
  }
}

test('Slovenian and English', async (t) => {
  await testLanguages(t);
});
