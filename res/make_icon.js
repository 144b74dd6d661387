// Draws the program's icon, a white chain link on a blue rounded square, and writes it as a
// one-image .ico (32 x 32, 32 bits per pixel with alpha). Run: node res/make_icon.js res/app.ico
'use strict';
const fs = require('fs');

const size = 32;

function coverage(x, y) {
  // Rounded square background.
  const r = 6, half = size / 2;
  const dx = Math.max(Math.abs(x - half) - (half - r), 0);
  const dy = Math.max(Math.abs(y - half) - (half - r), 0);
  return Math.min(Math.max(r - Math.hypot(dx, dy) + 0.5, 0), 1);
}

function linkInk(x, y) {
  // Two rounded capsules tilted 45 degrees, overlapping like chain links.
  const u = (x - 16 + y - 16) / Math.SQRT2, v = (y - 16 - (x - 16)) / Math.SQRT2;
  let ink = 0;
  for (const offset of [-4.5, 4.5]) {
    const along = Math.max(Math.abs(u - offset) - 4, 0);
    const distance = Math.hypot(along, v);
    ink = Math.max(ink, Math.min(Math.max(1.6 - Math.abs(distance - 4), 0), 1));
  }
  return ink;
}

const pixels = Buffer.alloc(size * size * 4);
for (let row = 0; row < size; row++) {
  const y = size - 1 - row + 0.5; // bitmaps are stored bottom-up
  for (let col = 0; col < size; col++) {
    const x = col + 0.5;
    const alpha = coverage(x, y);
    const ink = linkInk(x, y);
    const blue = [0xd6, 0x78, 0x1e]; // B, G, R
    const o = (row * size + col) * 4;
    for (let c = 0; c < 3; c++) pixels[o + c] = Math.round(blue[c] * (1 - ink) + 255 * ink);
    pixels[o + 3] = Math.round(alpha * 255);
  }
}

const andMask = Buffer.alloc(size * 4); // all opaque; alpha decides
const header = Buffer.alloc(40);
header.writeUInt32LE(40, 0);
header.writeInt32LE(size, 4);
header.writeInt32LE(size * 2, 8);
header.writeUInt16LE(1, 12);
header.writeUInt16LE(32, 14);
header.writeUInt32LE(pixels.length + andMask.length, 20);
const image = Buffer.concat([header, pixels, andMask]);

const dir = Buffer.alloc(6 + 16);
dir.writeUInt16LE(0, 0);
dir.writeUInt16LE(1, 2);
dir.writeUInt16LE(1, 4);
dir.writeUInt8(size, 6);
dir.writeUInt8(size, 7);
dir.writeUInt16LE(1, 10);
dir.writeUInt16LE(32, 12);
dir.writeUInt32LE(image.length, 14);
dir.writeUInt32LE(dir.length, 18);

fs.writeFileSync(process.argv[2] || 'app.ico', Buffer.concat([dir, image]));
