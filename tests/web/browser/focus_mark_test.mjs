// Keyboard focus on the page: Tab visits the controls in the window's focus
// order, and every one then shows a mark around it that can be seen at the
// window's own size and scaled down or up.
//
// Usage: node focus_mark_test.mjs --page build/web --node build/node [--shots FOLDER]

import {writeFileSync} from 'node:fs';
import path from 'node:path';

import {check, launch, open, options, run, Server, WINDOW} from './helpers.mjs';
import {decodePng} from './png.mjs';

const given = options();
// The window's focus order, by the name each control is known by (Tab stops
// once in the directions, at the one chosen).
const FOCUS_ORDER = ['年', '月', '日', '時', '分', '観測地', '終了', '数値', '緯度', '経度',
  '東', 'プラネタリウム', '間隔（分)', '表示間隔（秒）', '赤道', '黄道', '高度・方位線', '星の名前'];
const HALO = 3;  // [screen pixels] the band around a control the mark is looked for in
const CHANGED = 96;  // a channel that changes by more than this has changed

// The control in focus: its name and its box on the screen (an option's or
// check box's with its caption).
function focused(tab) {
  return tab.evaluate(() => {
    const control = document.activeElement;
    const shown = control.closest('label') || control;
    const box = shown.getBoundingClientRect();
    // The text's caret and selection are no focus mark.
    if (control.type === 'text') control.setSelectionRange(0, 0);
    return {
      name: control.getAttribute('aria-label') || shown.textContent.trim(),
      box: {x: box.left, y: box.top, width: box.width, height: box.height},
    };
  });
}

// Pixels that differ between two pictures of the same place, in the band
// just outside the box (what the control itself shows inside it does not count).
function changedAround(before, after, box, clip) {
  let changed = 0;
  for (let y = 0; y < clip.height; y++) {
    for (let x = 0; x < clip.width; x++) {
      const inside = x + clip.x >= box.x && x + clip.x < box.x + box.width &&
          y + clip.y >= box.y && y + clip.y < box.y + box.height;
      if (inside) continue;
      const a = before.pixel(x, y);
      const b = after.pixel(x, y);
      changed += a.some((value, channel) => Math.abs(value - b[channel]) > CHANGED);
    }
  }
  return changed;
}

async function checkMarks(browser, server, size) {
  const tab = await open(browser, server.url('site=12&at=2006-01-15T20:00&dir=east&names'),
      size);
  await tab.addStyleTag({content: '* { caret-color: transparent !important; }'});
  const where = `${size.width} x ${size.height}`;
  const unfocused = decodePng(await tab.screenshot());
  for (const name of FOCUS_ORDER) {
    await tab.keyboard.press('Tab');
    const control = await focused(tab);
    check(control.name === name, `${where}: Tab went to ${control.name}, not ${name}`);
    const box = {x: Math.floor(control.box.x), y: Math.floor(control.box.y),
      width: Math.ceil(control.box.width), height: Math.ceil(control.box.height)};
    const clip = {x: Math.max(0, box.x - HALO), y: Math.max(0, box.y - HALO),
      width: box.width + 2 * HALO, height: box.height + 2 * HALO};
    const marked = decodePng(await tab.screenshot({clip}));
    const region = {pixel: (x, y) => unfocused.pixel(x + clip.x, y + clip.y)};
    const changed = changedAround(region, marked, box, clip);
    // At least one line of pixels all round the box.
    check(changed >= box.width + box.height,
        `${where}: ${name} in focus changes ${changed} pixels around its ${box.width} x ` +
        `${box.height} box`);
    if (given.shots && name === 'プラネタリウム') {
      const file = `focus-${size.width}x${size.height}.png`;
      writeFileSync(path.join(given.shots, file), await tab.screenshot());
    }
  }
  await tab.close();
}

run({
  'every control shows a focus mark, at the window\'s size, smaller and larger': async () => {
    const server = await new Server(given.page).start();
    const browser = await launch(given);
    try {
      for (const size of [WINDOW, {width: 390, height: 844}, {width: 3840, height: 2160}]) {
        await checkMarks(browser, server, size);
      }
    } finally {
      await browser.close();
      await server.stop();
    }
  },
});
