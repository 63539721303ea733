# The computations let other Python threads run: a counting thread moves on
# while a call is under way (no timing compared).
import sys
import threading
import time

import numpy as np
import pytest

LONG = (np.random.default_rng(7).standard_normal((2, 20000)) * 50).astype(np.float32)

CALLS = [
    ("response_spectrum", lambda t: t.response_spectrum(LONG, 0.01, damping=(0.02, 0.05), method="exact")),
    ("rotd", lambda t: t.rotd(LONG[0], LONG[1], 0.01, method="exact")),
    ("measures", lambda t: t.measures(LONG, 0.01)),
]


@pytest.mark.parametrize("name,call", CALLS, ids=[c[0] for c in CALLS])
def test_other_threads_run_during_a_call(tremblo, name, call):
    # With a switch interval far longer than the whole test, a thread holding
    # the GIL keeps it until it waits or releases it: the counter, which gives
    # the GIL back at every step, can count only while the main thread sleeps
    # or is inside a call that released it. A call holding the GIL would not
    # let it count once, however long; one releasing it lets it count unless
    # the machine gives the counter no processor time meanwhile, so the call
    # is repeated, for at most 2 s, until the counter has moved.
    started, done = threading.Event(), threading.Event()
    counts = {"before": 0, "during": 0}

    def count():
        while not done.is_set():
            counts["during" if started.is_set() else "before"] += 1
            time.sleep(0)

    interval = sys.getswitchinterval()
    sys.setswitchinterval(30.0)
    counter = threading.Thread(target=count)
    counter.start()
    calls = 0
    try:
        while counts["before"] == 0:
            time.sleep(0.001)
        started.set()
        seen_at_start = counts["during"]
        deadline = time.monotonic() + 2.0
        while True:
            call(tremblo)
            calls += 1
            if counts["during"] > seen_at_start or time.monotonic() > deadline:
                break
        seen_at_end = counts["during"]
    finally:
        done.set()
        counter.join()
        sys.setswitchinterval(interval)
    assert seen_at_end > seen_at_start, f"{name}: no other thread ran during {calls} calls"
