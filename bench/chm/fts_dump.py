#!/usr/bin/python3
"""Prints the full-text index of compiled help files side by side: header fields, code page,
language, the $OBJINST code page, and a sample of words with their shapes and hits.
Usage: fts_dump.py A.chm [B.chm] [--words N] [--all]
       fts_dump.py A.chm --locations HEX   (each topic of the word HEX: "title|text topic: places")"""
import struct
import sys

from chm import chmlib

HEADER = [('signature', '4s'), ('topic count', 'I'), ('root node', 'I'), ('', 'I'), ('leaf nodes', 'I'),
          ('root node again', 'I'), ('tree depth', 'H'), ('', 'I'), ('doc scale', 'B'), ('doc root', 'B'),
          ('count scale', 'B'), ('count root', 'B'), ('location scale', 'B'), ('location root', 'B'),
          ('', '10s'), ('node size', 'I'), ('0x32', 'I'), ('last dup word', 'I'), ('last dup char', 'I'),
          ('longest word', 'I'), ('words indexed', 'I'), ('distinct words', 'I'), ('length all', 'I'),
          ('length all high', 'I'), ('length distinct', 'I'), ('unused in last leaf', 'I'), ('', 'I'),
          ('0x60', 'I'), ('', '24s'), ('code page', 'I'), ('language', 'I')]


def read_object(f, name):
    r, ui = chmlib.chm_resolve_object(f, name)
    if r != chmlib.CHM_RESOLVE_SUCCESS:
        return None
    size, data = chmlib.chm_retrieve_object(f, ui, 0, ui.length)
    return data[:size]


def enc_int(b, i):
    value, shift = 0, 0
    while True:
        value |= (b[i] & 0x7F) << shift
        shift += 7
        i += 1
        if not b[i - 1] & 0x80:
            return value, i


class Bits:
    def __init__(self, data):
        self.data, self.pos = data, 0

    def bit(self):
        byte = self.data[self.pos // 8]
        self.pos += 1
        return (byte >> (7 - (self.pos - 1) % 8)) & 1

    def sr(self, root):
        prefix = 0
        while self.bit():
            prefix += 1
        n = root + max(prefix - 1, 0)
        value = 0
        for _ in range(n):
            value = value << 1 | self.bit()
        return value | (1 << n if prefix else 0)

    def align(self):
        self.pos = (self.pos + 7) // 8 * 8


def wlc(data, count, roots):
    bits, doc, out = Bits(data), 0, []
    for _ in range(count):
        doc += bits.sr(roots[0])
        codes, loc = [], 0
        for _ in range(bits.sr(roots[1])):
            loc += bits.sr(roots[2])
            codes.append(loc)
        bits.align()
        out.append((doc, codes))
    return out


def words(fm, header):
    roots = (header['doc root'], header['count root'], header['location root'])
    size, offset = header['node size'], header['root node']
    for _ in range(header['tree depth'] - 1):  # down the leftmost child
        offset = struct.unpack_from("<I", fm, offset + 3 + fm[offset + 2])[0]
    while offset:
        node = fm[offset:offset + size]
        following, _, free = struct.unpack_from('<IHH', node, 0)
        i, word = 8, b''
        while i < size - free:
            length, keep = node[i], node[i + 1]
            word = word[:keep] + node[i + 2:i + 1 + length]
            i += 1 + length
            title = node[i]
            count, i = enc_int(node, i + 1)
            at = struct.unpack_from('<I', node, i)[0]
            wsize, i = enc_int(node, i + 6)
            yield word, title, wlc(fm[at:at + wsize], count, roots)
        offset = following


def shape(word, code_page):
    try:
        text = word.decode('cp932' if code_page == 932 else 'cp%d' % code_page)
    except (UnicodeDecodeError, LookupError):
        return 'undecodable'
    if all(ord(c) < 128 for c in text):
        kind = 'digits' if text[:1].isdigit() else 'ascii'
        return kind + (' lower' if text == text.lower() else ' MIXED')
    return '%d char%s, %d bytes' % (len(text), 's' if len(text) > 1 else '', len(word))


def dump(path, sample):
    f = chmlib.chm_open(path.encode())
    if not f:
        return ['cannot open ' + path]
    fm, oi = read_object(f, b'/$FIftiMain'), read_object(f, b'/$OBJINST')
    lines = [path, '$FIftiMain %d bytes, $OBJINST %d bytes' % (len(fm or b''), len(oi or b''))]
    if not fm:
        return lines + ['no full-text index']
    fmt = '<' + ''.join(t for _, t in HEADER)
    header = dict(zip([n for n, _ in HEADER], struct.unpack_from(fmt, fm, 0)))
    header['signature'] = header['signature'].hex()
    for name, _ in HEADER:
        if name:
            lines.append('  %-20s %s' % (name, header[name]))
    if oi and len(oi) > 0x34:
        lines.append('  $OBJINST code page   %d, language %d' % struct.unpack_from('<II', oi, 0x30))
    all_words = list(words(fm, header))
    cp = header['code page']
    kinds = {}
    for word, title, hits in all_words:
        kinds.setdefault(shape(word, cp), 0)
        kinds[shape(word, cp)] += 1
    lines.append('  entries %d (title entries %d)' % (len(all_words), sum(1 for w in all_words if w[1])))
    lines.append('  word shapes: ' + ', '.join('%s %d' % kv for kv in sorted(kinds.items())))
    ordered = all(a[0] <= b[0] for a, b in zip(all_words, all_words[1:]))
    lines.append('  sorted by bytes: %s' % ordered)
    step = max(1, len(all_words) // sample) if sample else 1
    for word, title, hits in all_words[::step][:sample or None]:
        text = word.decode('cp932' if cp == 932 else 'cp%d' % cp, 'replace')
        first = hits[0] if hits else (0, [])
        lines.append('  %-14s %-12s %-22s %s topics, first %d at %s' % (
            text, word.hex(), ('title ' if title else '') + shape(word, cp), len(hits), first[0],
            first[1][:4]))
    return lines


def locations(path, word):
    f = chmlib.chm_open(path.encode())
    fm = read_object(f, b'/$FIftiMain')
    header = dict(zip([n for n, _ in HEADER], struct.unpack_from('<' + ''.join(t for _, t in HEADER), fm, 0)))
    for w, title, hits in words(fm, header):
        if w == word:
            for topic, codes in hits:
                print('%s %d: %s' % ('title' if title else 'text', topic, ' '.join(map(str, codes))))


def main():
    if '--locations' in sys.argv:
        locations(sys.argv[1], bytes.fromhex(sys.argv[sys.argv.index('--locations') + 1]))
        return
    args = [a for a in sys.argv[1:] if not a.startswith('--')]
    sample = 0 if '--all' in sys.argv else 30
    if '--words' in sys.argv:
        sample = int(sys.argv[sys.argv.index('--words') + 1])
        args.remove(str(sample))
    columns = [dump(p, sample) for p in args]
    if len(columns) == 1:
        print('\n'.join(columns[0]))
        return
    width = max(len(l) for l in columns[0]) + 2
    for i in range(max(len(c) for c in columns)):
        left = columns[0][i] if i < len(columns[0]) else ''
        right = columns[1][i] if i < len(columns[1]) else ''
        print(left.ljust(width) + '| ' + right)


if __name__ == '__main__':
    main()
