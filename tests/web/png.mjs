// Pixels of a screenshot, read in node, so that every engine's PNG is judged
// by the same decoder: 8-bit grey, RGB or RGBA, not interlaced (what
// browsers write for screenshots).
import {inflateSync} from 'node:zlib';

const CHANNELS = {0: 1, 2: 3, 4: 2, 6: 4};

function paeth(a, b, c) {
  const p = a + b - c, pa = Math.abs(p - a), pb = Math.abs(p - b), pc = Math.abs(p - c);
  return pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
}

// {width, height, rgb(x, y) -> [r, g, b]}
export function decodePng(buffer) {
  let pos = 8, width = 0, height = 0, depth = 0, type = 0, interlace = 0;
  const data = [];
  while (pos < buffer.length) {
    const length = buffer.readUInt32BE(pos), kind = buffer.toString('latin1', pos + 4, pos + 8);
    const body = buffer.subarray(pos + 8, pos + 8 + length);
    if (kind === 'IHDR') {
      width = body.readUInt32BE(0); height = body.readUInt32BE(4);
      depth = body[8]; type = body[9]; interlace = body[12];
    } else if (kind === 'IDAT') {
      data.push(body);
    }
    pos += 12 + length;
  }
  const channels = CHANNELS[type];
  if (depth !== 8 || !channels || interlace) throw new Error(`a PNG this decoder cannot read (depth ${depth}, type ${type})`);
  const raw = inflateSync(Buffer.concat(data)), stride = width * channels;
  const pixels = Buffer.alloc(stride * height);
  for (let y = 0; y < height; ++y) {
    const filter = raw[y * (stride + 1)], line = raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1));
    for (let i = 0; i < stride; ++i) {
      const a = i >= channels ? pixels[y * stride + i - channels] : 0;
      const b = y > 0 ? pixels[(y - 1) * stride + i] : 0;
      const c = y > 0 && i >= channels ? pixels[(y - 1) * stride + i - channels] : 0;
      const predictor = [0, a, b, (a + b) >> 1, paeth(a, b, c)][filter];
      pixels[y * stride + i] = (line[i] + predictor) & 255;
    }
  }
  return {
    width, height,
    rgb(x, y) {
      const at = y * stride + x * channels;
      return channels < 3 ? [pixels[at], pixels[at], pixels[at]] : [pixels[at], pixels[at + 1], pixels[at + 2]];
    },
  };
}
