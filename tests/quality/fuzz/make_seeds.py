#!/usr/bin/env python3
"""Writes the fuzzers' seed inputs into seeds/ (committed; run again only
after changing the byte layout in support/ByteDriver.h and PluginScript.h).

Each seed is a short story the plug-in must survive: a healthy sensor,
failures at every step, texts without a terminator, bad counts, odd values.
None of them holds a count past the result array: the fuzzer has to find
that one by itself in the deliberately broken build."""
import os
import struct

SETUP, RESET, READ, IDENTITY = 0, 1, 2, 3
OK, ERR, WARN, MIN, MAX, VISA = 0, 1, 2, 3, 4, 5


def raw_status(value):
    return [6] + list(struct.pack('<i', value))


def status(kind):
    return list(kind) if isinstance(kind, (list, tuple)) else [kind]


def failed(kind):
    if isinstance(kind, (list, tuple)):
        return struct.unpack('<i', bytes(kind[1:5]))[0] < 0
    return kind in (ERR, MIN, VISA)


def text(content=b''):
    if len(content) == 256:
        return [255] + list(content)
    return [len(content)] + list(content)


def report(kind, message):
    """What follows a status: the error text when the plug-in will ask."""
    return text(message) + [OK] if failed(kind) else []


def open_(op=SETUP, init=OK, session=None, init_text=b'No NRP-Z sensor found on USB',
          revision=OK, steps=(OK,) * 5, step_text=b'Channel set-up refused'):
    out = [op] + status(init) + (session or [0]) + report(init, init_text)
    if init != OK:
        return out
    out += status(revision) + text(b'rsnrpz 3.0') + text(b'NRP-Z11 04.05') + report(revision, step_text)
    for step in steps:
        out += status(step) + report(step, step_text)
    return out


def value_bytes(values):
    return [b for v in values for b in struct.pack('<d', v)]


def read(initiate=OK, completing_poll=1, polls=((OK, 0),), fetch=OK, values=(1e-3,) * 4,
         count=(0,), message=b'Measurement aborted'):
    out = [READ] + status(initiate) + [completing_poll - 1 if completing_poll else 255]
    out += report(initiate, message)
    if failed(initiate):
        return out
    for poll_status, flag in polls:
        out += status(poll_status) + [flag] + report(poll_status, b'Sensor not responding')
    if fetch is None:  # the reading gives up before fetching
        return out
    n = 255 if len(values) == 1024 else len(values)
    out += status(fetch) + [n] + value_bytes(values) + list(count) + report(fetch, message)
    return out


SEEDS = {
    'healthy': open_() + read() + read(values=(1e-6, 1e-5, 1e-4, 1.0)) + [IDENTITY],
    'no_sensor_then_plugged_in': open_(init=VISA) + read(initiate=ERR, message=b'Invalid session')
        + open_(op=RESET) + read(),
    'open_warning': open_(init=WARN) + open_(op=RESET, init=raw_status(0x3FFC0101)),
    'setup_steps_fail': open_(steps=(OK, ERR, OK, MIN, OK)) + read(),
    'unterminated_texts': open_(init=ERR, init_text=b'x' * 256) + open_(op=RESET, revision=ERR,
        step_text=bytes(range(256))) + read(fetch=ERR, message=b'\r\n' * 128),
    'texts_with_line_breaks': open_(steps=(ERR,) * 5, step_text=b'line\nbreak\r\nError: \x00hidden')
        + read(fetch=VISA, message=b'Cannot open NRP_Z11 USB Power Meter\n'),
    'polls_fail_then_recover': open_() + read(completing_poll=3, polls=((ERR, 0), (OK, 0), (VISA, 3)) + ((OK, 0),) * 3),
    'three_failed_polls': open_() + read(completing_poll=0, polls=((ERR, 0), (ERR, 3), (MIN, 0)), fetch=None),
    'never_completes': open_() + read(completing_poll=0, polls=((OK, 0),) * 200, fetch=None),
    'completes_on_last_poll': open_() + read(completing_poll=200, polls=((OK, 2),) * 199 + ((OK, 1),)),
    'bad_counts': open_() + read(count=(1,)) + read(count=(2, 0)) + read(count=(2, 1)) + read(count=(2, 6))
        + read(values=(), count=(0,)) + read(count=(3,) + tuple(struct.pack('<i', -70000))),
    'full_buffer': open_() + read(values=tuple(1e-3 * (i + 1) for i in range(1024)), count=(2, 4)),
    'odd_values': open_() + read(values=(0.0,)) + read(values=(-1e-3,)) + read(values=(float('nan'),))
        + read(values=(float('inf'),)) + read(values=(5e-324,)) + read(fetch=WARN),
    'read_without_open': read(completing_poll=0, polls=((ERR, 0),) * 3, fetch=None) + [IDENTITY] + read(),
    'odd_sessions': open_(session=[3] + list(struct.pack('<I', 0xDEADBEEF))) + read()
        + open_(op=RESET, init=ERR, session=[1]) + read() + open_(op=RESET, session=[2]) + read(),
}

here = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'seeds')
os.makedirs(here, exist_ok=True)
for name, content in SEEDS.items():
    with open(os.path.join(here, name), 'wb') as seed:
        seed.write(bytes(content))
