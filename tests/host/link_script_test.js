'use strict';
// Runs the link script exactly as the program carries it in a real ECMAScript engine (node's),
// calling tencent with one argument as the script control's Run does, and checks the links
// against links written out by hand and against the tests' own C++ implementation.
//
// QQLINK_PRINT_LINK_SCRIPT names the built printer program; QQLINK_PRINTER_RUNNER, when set,
// is the program that runs it (the Wine wrapper on Linux).

const test = require('node:test');
const assert = require('node:assert/strict');
const { execFileSync } = require('node:child_process');
const vm = require('node:vm');

function runPrinter(mode) {
  const printer = process.env.QQLINK_PRINT_LINK_SCRIPT;
  assert.ok(printer, 'QQLINK_PRINT_LINK_SCRIPT names the printer program');
  const runner = process.env.QQLINK_PRINTER_RUNNER;
  const options = { maxBuffer: 64 * 1024 * 1024, timeout: 60000 };
  return runner ? execFileSync(runner, [printer, mode], options) : execFileSync(printer, [mode], options);
}

const scriptBytes = runPrinter('script');
const scriptText = scriptBytes.toString('latin1');

// A fresh engine per load, as every conversion gets one.
function loadScript() {
  const context = vm.createContext({});
  vm.runInContext(scriptText, context);
  return context;
}

const PREFIX = 'tencent://groupwpa/?subcmd=all&fuin=undefined&param=';
// Hex of '{"ExtParam":{"appId": "21"},"groupUin":' and of ',"visitor":1}'.
const HEAD_HEX = '7B22457874506172616D223A7B226170704964223A20223231227D2C2267726F757055696E223A';
const TAIL_HEX = '2C2276697369746F72223A317D';

test('the script is 416 ASCII bytes in 15 lines, each ended by a bare line feed', () => {
  assert.equal(scriptBytes.length, 416);
  assert.equal(scriptBytes.indexOf(0x0d), -1, 'no carriage return');
  assert.ok(scriptBytes.every((byte) => byte >= 0x20 || byte === 0x0a), 'printable ASCII and line feeds only');
  assert.ok(scriptBytes.every((byte) => byte < 0x80), 'ASCII only');
  assert.equal(scriptBytes[scriptBytes.length - 1], 0x0a, 'the last line ends in a line feed too');
  const lines = scriptText.split('\n');
  assert.equal(lines.pop(), '', 'nothing after the last line feed');
  assert.equal(lines.length, 15);
  const leadingSpaces = lines.map((line) => line.length - line.trimStart().length);
  assert.deepEqual(leadingSpaces, [0, 0, 4, 8, 12, 8, 8, 4, 4, 0, 0, 0, 4, 4, 0]);
});

test('loading defines e and tencent and runs nothing', () => {
  const context = loadScript();
  assert.equal(typeof context.e, 'function');
  assert.equal(context.e.length, 1);
  assert.equal(typeof context.tencent, 'function');
  assert.equal(context.tencent.length, 2);
  assert.deepEqual(Object.keys(context).sort(), ['e', 'tencent']);
});

test('links for hand-written cases', () => {
  const cases = [
    ['worked example', '123456',
      'tencent://groupwpa/?subcmd=all&fuin=undefined&param=7B22457874506172616D223A7B226170704964223A20223231227D2C22' +
      '67726F757055696E223A3132333435362C2276697369746F72223A317D'],
    ['empty number: 52-character payload with 3A2C where the digits stand', '',
      'tencent://groupwpa/?subcmd=all&fuin=undefined&param=7B22457874506172616D223A7B226170704964223A20223231227D2C22' +
      '67726F757055696E223A2C2276697369746F72223A317D'],
    ['letters', 'abc', PREFIX + HEAD_HEX + '616263' + TAIL_HEX],
    ['leading zero', '0123', PREFIX + HEAD_HEX + '30313233' + TAIL_HEX],
    ['minus sign', '-1', PREFIX + HEAD_HEX + '2D31' + TAIL_HEX],
    ['spaces are kept', ' 1 2 ', PREFIX + HEAD_HEX + '2031203220' + TAIL_HEX],
    ['quotes and backslash copied unescaped', '"\\\'', PREFIX + HEAD_HEX + '225C27' + TAIL_HEX],
    ['U+0101 gives three digits', '\u0101', PREFIX + HEAD_HEX + '101' + TAIL_HEX],
    ['U+7FA4 gives four digits', '\u7fa4', PREFIX + HEAD_HEX + '7FA4' + TAIL_HEX],
    ['small units are padded to two digits', '\u0000\u000f', PREFIX + HEAD_HEX + '000F' + TAIL_HEX],
    ['hex letters are upper case', '\u00ab\u0abc\uabcd', PREFIX + HEAD_HEX + 'ABABCABCD' + TAIL_HEX],
    ['injection attempt stays data', "'); x = 1; ('",
      PREFIX + HEAD_HEX + '27293B2078203D20313B202827' + TAIL_HEX],
  ];
  const context = loadScript();
  for (const [name, number, link] of cases) {
    // One argument, as Run passes it: the visitor value is undefined.
    assert.equal(context.tencent(number), link, name);
  }
  assert.equal(cases[1][2].length - PREFIX.length, 2 * 52, 'the empty payload is 52 characters');
});

test('the link keeps its fixed lower-case head and upper-case hex', () => {
  const link = loadScript().tencent('\u00ff\u0fab');
  assert.ok(link.startsWith(PREFIX));
  assert.match(link.slice(PREFIX.length), /^[0-9A-F]+$/);
  assert.equal(link.slice(PREFIX.length), HEAD_HEX + 'FFFAB' + TAIL_HEX);
});

test('the tests\' own implementation agrees with the script on every shared case', () => {
  const lines = runPrinter('expected').toString('ascii').split('\n').filter((line) => line !== '');
  assert.ok(lines.length >= 10, 'the printer gave its cases');
  for (const line of lines) {
    const { number, link } = JSON.parse(line);
    // A fresh engine for every conversion, as the program does.
    assert.equal(loadScript().tencent(number), link, `number ${JSON.stringify(number).slice(0, 60)}`);
  }
});
