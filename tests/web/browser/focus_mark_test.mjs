// Keyboard focus on the page: Tab visits the controls in the window's focus
// order, and every one then shows a mark around it that can be seen at the
// window's own size, smaller and larger.
//
// Usage: node focus_mark_test.mjs --page build/web --node build/node [--shots FOLDER]

import {writeFileSync} from 'node:fs';
import path from 'node:path';

import {check, open, options, run, session, WINDOW} from './helpers.mjs';

const given = options();
// The names of the controls in the window's focus order; Tab stops once in
// the directions, at the one chosen.
const FOCUS_ORDER = ['年', '月', '日', '時', '分', '観測地', '終了', '数値', '緯度', '経度', '東',
  'プラネタリウム', '間隔（分)', '表示間隔（秒）', '赤道', '黄道', '高度・方位線', '星の名前'];
const HALO = 3;  // [screen pixels] the band around a control the mark is looked for in

// The control in focus: its name and its box in the document (an option's or
// check box's with its caption; the narrow layout scrolls); its text's caret
// and selection, no focus mark, put away.
function focused(tab) {
  return tab.evaluate(() => {
    const control = document.activeElement;
    const shown = control.closest('label') || control;
    if (control.type === 'text') control.setSelectionRange(0, 0);
    const box = shown.getBoundingClientRect();
    return {
      name: control.getAttribute('aria-label') || shown.textContent.trim(),
      box: {x: Math.floor(box.left + window.scrollX), y: Math.floor(box.top + window.scrollY),
        width: Math.ceil(box.width), height: Math.ceil(box.height)},
    };
  });
}

// Pixels of the band just outside a box that differ between two screenshots
// of the band's clip (what a control shows inside its box does not count).
function changedAround(tab, before, after, box, clip) {
  return tab.evaluate(async (pictures, box, clip) => {
    const pixels = await Promise.all(pictures.map(async (base64) => {
      const bitmap = await createImageBitmap(await (await fetch(
          'data:image/png;base64,' + base64)).blob());
      const canvas = new OffscreenCanvas(bitmap.width, bitmap.height);
      canvas.getContext('2d').drawImage(bitmap, 0, 0);
      return canvas.getContext('2d').getImageData(0, 0, bitmap.width, bitmap.height).data;
    }));
    let changed = 0;
    for (let y = 0; y < clip.height; y++) {
      for (let x = 0; x < clip.width; x++) {
        const inside = x + clip.x >= box.x && x + clip.x < box.x + box.width &&
            y + clip.y >= box.y && y + clip.y < box.y + box.height;
        const at = 4 * (y * clip.width + x);
        changed += !inside && [0, 1, 2].some((c) => Math.abs(pixels[0][at + c] -
            pixels[1][at + c]) > 96);
      }
    }
    return changed;
  }, [before, after], box, clip);
}

run({
  'every control shows a focus mark, at the window\'s size, smaller and larger': () =>
    session(given, async (server, browser) => {
      for (const size of [WINDOW, {width: 390, height: 844}, {width: 3840, height: 2160}]) {
        const where = `${size.width} x ${size.height}`;
        const tab = await open(browser, server.url('site=12&at=2006-01-15T20:00&dir=east'), size);
        await tab.addStyleTag({content: '* { caret-color: transparent !important; }'});
        for (const name of FOCUS_ORDER) {
          await tab.keyboard.press('Tab');
          const {name: found, box} = await focused(tab);
          check(found === name, `${where}: Tab went to ${found}, not ${name}`);
          const clip = {x: box.x - HALO, y: box.y - HALO, width: box.width + 2 * HALO,
            height: box.height + 2 * HALO};
          if (given.shots && name === 'プラネタリウム') {
            writeFileSync(path.join(given.shots, `focus-${size.width}x${size.height}.png`),
                await tab.screenshot());
          }
          const marked = await tab.screenshot({clip, encoding: 'base64'});
          // Tab goes on from a control that has lost the focus.
          await tab.evaluate(() => document.activeElement.blur());
          const unmarked = await tab.screenshot({clip, encoding: 'base64'});
          const changed = await changedAround(tab, unmarked, marked, box, clip);
          check(changed >= box.width + box.height,
              `${where}: ${name} in focus changes ${changed} pixels around its box`);
        }
        await tab.close();
      }
    }),
});
