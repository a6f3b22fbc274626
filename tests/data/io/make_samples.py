#!/usr/bin/env python3
"""Writes the sample store files of this folder. Run from anywhere; the files are
checked in, so run it only to change them on purpose."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def store(next_id, records):
    """A store file: little-endian count and nextRecordId, then id, length, bytes."""
    out = struct.pack('<ii', len(records), next_id)
    for record_id, data in records:
        out += struct.pack('<ii', record_id, len(data)) + data
    return out


def utf(text):
    encoded = text.encode('utf-8')
    return struct.pack('>H', len(encoded)) + encoded


def b(*values):
    return bytes(v & 0xFF for v in values)


def table_record(state=1, to_act=-1, hands=0, level=-1, dealer=0, small=1, big=2, seats=None):
    seats = seats or [(0, 'Rosa', 1, 1000), (1, 'Bo', 1, 900)] + [(i, 'NoName', 0, 0) for i in range(2, 6)]
    out = b(0)
    for seat, name, seated, chips in seats:
        out += b(seat) + utf(name) + b(seated) + struct.pack('>i', chips)
    return out + b(state, to_act, hands, level, dealer, small, big, 0, 0, 0, 0)


def seat_list(avatars=(6, 1, 0, 0, 0, 0), human=0):
    out = b''
    for seat in range(6):
        seated = 1 if seat < 2 else 0
        out += b(seat) + utf('Rosa' if seat == 0 else 'Bo' if seat == 1 else 'NoName')
        out += b(0 if seat == 0 else 2, seated, seated) + struct.pack('>i', 1000 if seat == 0 else 900 if seated else 0)
        out += b(avatars[seat])
    return out + b(human)


def field_record(n=12, seats_per_table=6, table_count=None, standings=None, place=1, seat_override=None,
                 human_seat=0):
    tables = table_count if table_count is not None else (n + 5) // 6
    out = b(seats_per_table) + struct.pack('>h', n) + b(tables) + struct.pack('>ii', 10, 5)
    out += struct.pack('>h', 0) + b(human_seat)
    for i in range(n):
        standing = standings[i] if standings else i
        out += struct.pack('>h', standing) + utf('E%d' % i) + struct.pack('>ih', 500, place)
        out += b(i % tables) + struct.pack('>h', i) + b(i % 6)
    for t in range(min(tables, 42)):
        seats = [i for i in range(n) if i % tables == t][:6]
        seats += [-1] * (6 - len(seats))
        if seat_override and t == 0:
            seats[seat_override[0]] = seat_override[1]
        out += b''.join(struct.pack('>h', s) for s in seats) + b(0)
    return out


def tourney(entrants=12, field_index=0, stake=2, **field):
    return struct.pack('>h', entrants) + b(field_index, stake) + table_record(level=0) + field_record(**field)


def write(name, data):
    with open(os.path.join(HERE, name), 'wb') as f:
        f.write(data)


def main():
    m = 'malformed/'
    os.makedirs(os.path.join(HERE, 'malformed'), exist_ok=True)
    # Store files that no loader may accept.
    write(m + 'Store--count-cut-short.dat', b'\x01\x00\x00')
    write(m + 'Store--negative-count.dat', struct.pack('<ii', -1, 1))
    write(m + 'Store--4gb-length.dat', struct.pack('<iiiI', 1, 1, 1, 0xFFFFFFFF))
    write(m + 'Store--length-past-end.dat', struct.pack('<iiii', 1, 1, 1, 100) + b'abc')
    write(m + 'Store--second-entry-cut.dat', struct.pack('<iiii', 2, 2, 1, 3) + b'abc' + struct.pack('<i', 2))

    # Well-formed stores whose record the game must refuse.
    write(m + 'GAME_STORE--settings-short.dat', store(1, [(1, b(1, 1, 1, 70))]))
    profile = b(6, 0, 0) + utf(' ') + struct.pack('>ii', 1000, 1000)
    profile += b''.join(utf('N%d' % i) for i in range(10)) + struct.pack('>i', 0) + utf('Player') + struct.pack('>i', 0)
    write(m + 'KMRB2Options--avatar-out-of-range.dat', store(1, [(1, b(200) + profile[1:])]))
    write(m + 'KMRB2Options--truncated.dat', store(1, [(1, profile[:30])]))
    write(m + 'KMRB2Options--no-record-1.dat', store(2, [(2, profile)]))

    def setup(game_type, stake, avatar, size):
        return b(0, game_type, stake) + utf('Rosa') + b(avatar, size)

    write(m + 'KMRB2GameInit--stake-level-9.dat', store(1, [(1, setup(6, 9, 2, 0))]))
    write(m + 'KMRB2GameInit--tournament-size-negative.dat', store(1, [(1, setup(8, 0, 2, -1))]))
    write(m + 'KMRB2GameInit--bad-utf-length.dat', store(1, [(1, b(0, 6, 0) + b'\xff\xffRosa')]))

    game = table_record() + seat_list()
    write(m + 'KMRB2Game--state-13.dat', store(1, [(1, table_record(state=13) + seat_list())]))
    write(m + 'KMRB2Game--dealer-9.dat', store(1, [(1, table_record(dealer=9) + seat_list())]))
    write(m + 'KMRB2Game--level-3-of-fixed-blinds.dat', store(1, [(1, table_record(level=3) + seat_list())]))
    write(m + 'KMRB2Game--seat-number-swapped.dat',
          store(1, [(1, table_record(seats=[(1, 'A', 1, 5), (0, 'B', 1, 5)] + [(i, 'C', 0, 0) for i in range(2, 6)])
                     + seat_list())]))
    write(m + 'KMRB2Game--human-seat-6.dat', store(1, [(1, table_record() + seat_list(human=6))]))
    write(m + 'KMRB2Game--avatar-negative.dat', store(1, [(1, table_record() + seat_list(avatars=(6, -1, 0, 0, 0, 0)))]))
    write(m + 'KMRB2Game--truncated.dat', store(1, [(1, game[:-1])]))

    write(m + 'KMRB2Tourney--seats-per-table-7.dat', store(1, [(1, tourney(seats_per_table=7))]))
    write(m + 'KMRB2Tourney--table-count-43.dat', store(1, [(1, tourney(table_count=43))]))
    write(m + 'KMRB2Tourney--standing-out-of-range.dat',
          store(1, [(1, tourney(standings=[12] + list(range(1, 12))))]))
    write(m + 'KMRB2Tourney--place-0.dat', store(1, [(1, tourney(place=0))]))
    write(m + 'KMRB2Tourney--seat-holds-entrant-12.dat', store(1, [(1, tourney(seat_override=(5, 12)))]))
    write(m + 'KMRB2Tourney--entrants-not-of-field-index.dat', store(1, [(1, tourney(field_index=1))]))
    write(m + 'KMRB2Tourney--human-seat-6.dat', store(1, [(1, tourney(human_seat=6))]))
    # Loading hands the stake to the game setup, which indexes the buy-ins with it.
    write(m + 'KMRB2Tourney--stake-9.dat', store(1, [(1, tourney(stake=9))]))
    # Fuzzing found this one: a remaining count below the seated entrants made the
    # ranking write before the standings array.
    with open(os.path.join(HERE, 'fuzz-tourney-remaining-below-seated.bin'), 'rb') as f:
        write(m + 'KMRB2Tourney--remaining-below-seated.dat', store(1, [(1, f.read())]))
    write(m + 'KMRB2Tourney--truncated.dat', store(1, [(1, tourney()[:-3])]))

    # Good samples.
    write('GAME_STORE_DATA.dat', store(1, [(1, b(1, 1, 1, 70, 0, 1, 1))]))
    write('KMRB2Options_DATA.dat', store(1, [(1, profile)]))
    write('KMRB2GameInit_DATA.dat', store(1, [(1, setup(8, 2, 3, 4))]))
    write('KMRB2Game_DATA.dat', store(1, [(1, table_record(hands=200 - 256, level=0) + seat_list())]))
    write('KMRB2Tourney_DATA.dat', store(1, [(1, tourney())]))
    write('One_DATA.dat', store(1, [(1, b'abc')]))


if __name__ == '__main__':
    main()
