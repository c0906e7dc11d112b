// The pixels of a PNG as Chromium writes its screenshots: 8-bit RGB or RGBA,
// not interlaced.

import zlib from 'node:zlib';

// Returned: {width, height, pixel(x, y) -> [r, g, b]}.
export function decodePng(data) {
  let position = 8;
  let header = null;
  const chunks = [];
  while (position < data.length) {
    const length = data.readUInt32BE(position);
    const kind = data.toString('ascii', position + 4, position + 8);
    const body = data.subarray(position + 8, position + 8 + length);
    if (kind === 'IHDR') header = body;
    if (kind === 'IDAT') chunks.push(body);
    position += 12 + length;
  }
  const width = header.readUInt32BE(0);
  const height = header.readUInt32BE(4);
  const channels = header[9] === 6 ? 4 : 3;
  if (header[8] !== 8 || (header[9] !== 2 && header[9] !== 6) || header[12] !== 0) {
    throw new Error('not an 8-bit RGB or RGBA PNG without interlacing');
  }
  const raw = zlib.inflateSync(Buffer.concat(chunks));
  const stride = width * channels;
  const pixels = Buffer.alloc(stride * height);
  for (let y = 0; y < height; y++) {
    const filter = raw[y * (stride + 1)];
    for (let x = 0; x < stride; x++) {
      const left = x >= channels ? pixels[y * stride + x - channels] : 0;
      const up = y > 0 ? pixels[(y - 1) * stride + x] : 0;
      const corner = x >= channels && y > 0 ? pixels[(y - 1) * stride + x - channels] : 0;
      let predicted = 0;
      if (filter === 1) predicted = left;
      if (filter === 2) predicted = up;
      if (filter === 3) predicted = (left + up) >> 1;
      if (filter === 4) {
        const estimate = left + up - corner;
        const distances = [Math.abs(estimate - left), Math.abs(estimate - up),
          Math.abs(estimate - corner)];
        predicted = [left, up, corner][distances.indexOf(Math.min(...distances))];
      }
      pixels[y * stride + x] = (raw[y * (stride + 1) + 1 + x] + predicted) & 0xff;
    }
  }
  return {
    width,
    height,
    pixel: (x, y) => {
      const at = y * stride + x * channels;
      return [pixels[at], pixels[at + 1], pixels[at + 2]];
    },
  };
}
