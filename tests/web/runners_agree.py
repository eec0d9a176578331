#!/usr/bin/python3
"""The scenario runner built for node answers exactly as the native one: every scene of
tools/screenshots/scenes/, the runner's own scenarios and a short monkey run of each fixed seed
give byte for byte the same output and exit status.

    runners_agree.py NATIVE_RUNNER NODE_RUNNER_JS
"""

import pathlib
import subprocess
import sys
import unittest

ROOT = pathlib.Path(__file__).resolve().parents[2]
SCENARIOS = sorted((ROOT / "tools" / "screenshots" / "scenes").glob("*.txt")) + sorted(
    (ROOT / "tests" / "tools" / "sim" / "scenarios").glob("*.txt"))
# A short run of a fixed seed of the monkey, with every window dumped after it.
MONKEY = "monkey {seed} 150\n" + "".join(f"dump Form{n}\n" for n in (4, 1, 2, 3, 5))


class RunnersAgree(unittest.TestCase):
    native = ""
    node = ""

    def run_both(self, text):
        native = subprocess.run([self.native], input=text.encode(), capture_output=True,
                                timeout=120)
        node = subprocess.run(["node", self.node], input=text.encode(), capture_output=True,
                              timeout=120)
        return native, node

    def test_scenarios(self):
        self.assertGreater(len(SCENARIOS), 12)
        for scenario in SCENARIOS:
            with self.subTest(scenario=scenario.name):
                native, node = self.run_both(scenario.read_text(encoding="utf-8"))
                self.assertTrue(native.stdout, "the native runner printed nothing")
                self.assertEqual(node.stdout.decode(), native.stdout.decode())
                self.assertEqual(node.returncode, native.returncode)

    def test_monkey_seeds(self):
        for seed in range(1, 9):
            with self.subTest(seed=seed):
                native, node = self.run_both(MONKEY.format(seed=seed))
                self.assertRegex(native.stdout.decode(), r"monkey \d+ events")
                self.assertEqual(node.stdout.decode(), native.stdout.decode())
                self.assertEqual(node.returncode, native.returncode)


if __name__ == "__main__":
    RunnersAgree.native, RunnersAgree.node = sys.argv[1], sys.argv[2]
    unittest.main(argv=sys.argv[:1])
