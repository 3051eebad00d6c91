"""scripts/plant-faults: which faults it finds, and that a run reports them
and takes every one out again, also when it is stopped."""
import importlib.machinery
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import types
import unittest

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
TOOL = os.path.join(ROOT, "scripts", "plant-faults")
plant_faults = types.ModuleType("plant_faults")  # the script's name has no .py
plant_faults.__file__ = TOOL
importlib.machinery.SourceFileLoader("plant_faults", TOOL).exec_module(plant_faults)

SAMPLE = r"""#include <vector>
#define LIMIT (a < b)

// if (x < y) a + b; 7
namespace demo {

struct Box {
    std::vector<int> items;
    Box(int size);
    void Clear();
};

bool Small(const Box& box) {
    if (box.items.size() < 4) {
        return true;
    }
    return box.items[0] == 2 && Flag("a < b");
}

int Sum(const std::vector<int>& v) {
    static_assert(sizeof(int) >= 4);
    int total = 0x0F;
    for (int x : v) {
        total += x * 2;
    }
    for (auto i = v.size(); i > 0; --i) {
        Log(i);
    }
    auto even = [](int n) { return n % 2 == 0; };
    while (!even(total)) {
        Box box(1.5);
        box.items.push_back(total);
        emit Changed();
        total = Twice(total);
    }
    return total - 1;
}

} // namespace demo
"""

# (kind, old, new) in the file's order. Nothing in the comment, the string
# or the directives; no comparison in std::vector<int>; nothing in the
# class body's declarations, in static_assert or in the floating constant;
# a range for has no condition; only Small returns bool, so the lambda's
# and Sum's returns stay as they are. Of each kind only the first on a line:
# not the "&&" after the "==", the "*" after the "+=", the "0" after the "2".
EXPECTED = [
    ("condition", "box.items.size() < 4", "!(box.items.size() < 4)"),
    ("compare", "<", ">="),
    ("constant", "4", "5"),
    ("return", "true", "false"),
    ("return", 'box.items[0] == 2 && Flag("a < b")', '!(box.items[0] == 2 && Flag("a < b"))'),
    ("constant", "0", "1"),
    ("compare", "==", "!="),
    ("constant", "0x0F", "0x10"),
    ("arith", "+=", "-="),
    ("constant", "2", "3"),
    ("condition", "i > 0", "!(i > 0)"),
    ("compare", ">", "<="),
    ("constant", "0", "1"),
    ("arith", "--", "++"),
    ("call", "Log(i);", "{}"),
    ("arith", "%", "*"),
    ("constant", "2", "3"),
    ("compare", "==", "!="),
    ("condition", "!even(total)", "!(!even(total))"),
    ("call", "box.items.push_back(total);", "{}"),
    ("call", "emit Changed();", "{}"),
    ("arith", "-", "+"),
    ("constant", "1", "2"),
]

# A project of three functions and one test, built and tested as the
# tool builds and tests Tessra: Twice is tested, Spare is not, and the one
# fault in Second does not compile (a pair has no element 2). The test
# hangs on a wrong answer while the file "hang" is in the tree; a step of
# the build stalls on a fault while the file "stall" is.
PROJECT = {
    ".gitignore": "/build/\n",
    "CMakeLists.txt": """cmake_minimum_required(VERSION 3.25)
project(Scratch CXX)
enable_testing()
add_custom_command(OUTPUT step.h DEPENDS src/calc.cpp
  COMMAND sh ${PROJECT_SOURCE_DIR}/test/step.sh ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR})
add_executable(check src/calc.cpp test/check.cpp ${PROJECT_BINARY_DIR}/step.h)
target_compile_definitions(check PRIVATE HANG="${PROJECT_SOURCE_DIR}/hang"
  HANGING="${PROJECT_BINARY_DIR}/hanging")
add_test(NAME check COMMAND check)
""",
    "CMakePresets.json": """{"version": 6,
 "configurePresets": [{"name": "default", "generator": "Ninja",
   "binaryDir": "${sourceDir}/build/default",
   "cacheVariables": {"CMAKE_COMPILE_WARNING_AS_ERROR": "ON"}}],
 "buildPresets": [{"name": "default", "configurePreset": "default"}],
 "testPresets": [{"name": "default", "configurePreset": "default"}]}
""",
    "src/calc.cpp": """#include <utility>

int Twice(int x) {
    return x * 2;
}

int Spare(int x) {
    return x - 1;
}

int Second(std::pair<int, int> p) {
    return std::get<1>(p);
}
""",
    "test/step.sh": """if [ -e "$1/stall" ] && ! cmp -s "$1/src/calc.cpp" "$1/test/calc.cpp"; then
    echo $$ > "$2/building"
    exec sleep 60
fi
touch "$2/step.h"
""",
    "test/check.cpp": """#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>
#include <unistd.h>

int Twice(int x);

int main() {
    if (Twice(3) == 6) {
        return 0;
    }
    if (std::filesystem::exists(HANG)) {
        std::ofstream(HANGING) << getpid();
        std::this_thread::sleep_for(std::chrono::seconds(60));
    }
    return 1;
}
""",
}


PROJECT["test/calc.cpp"] = PROJECT["src/calc.cpp"]


class FaultsFound(unittest.TestCase):
    def test_every_kind_where_it_belongs(self):
        found = [(f.kind, f.old, f.new) for f in plant_faults.faults_in("x.cpp", SAMPLE)]
        self.assertEqual(found, EXPECTED)

    def test_a_planted_fault_is_the_new_text_at_its_place(self):
        fault = plant_faults.faults_in("x.cpp", SAMPLE)[-2]
        self.assertEqual(plant_faults.describe(fault), "x.cpp:36:18: arith: - -> +")

    def test_the_draw_follows_the_seed(self):
        faults = plant_faults.faults_in("x.cpp", SAMPLE)
        one, again = plant_faults.draw(faults, 1), plant_faults.draw(faults, 1)
        self.assertEqual(one, again)
        self.assertNotEqual(one, plant_faults.draw(faults, 2))
        self.assertEqual(sorted(one), sorted(faults))


class Run(unittest.TestCase):
    """The tool run on the scratch project, from a copy of itself inside it."""

    @classmethod
    def setUpClass(cls):
        cls.tree = tempfile.mkdtemp(prefix="plant-faults-test-")
        for name, text in PROJECT.items():
            os.makedirs(os.path.dirname(os.path.join(cls.tree, name)), exist_ok=True)
            with open(os.path.join(cls.tree, name), "w") as f:
                f.write(text)
        os.makedirs(os.path.join(cls.tree, "scripts"))
        shutil.copy(TOOL, os.path.join(cls.tree, "scripts", "plant-faults"))
        subprocess.run(["git", "init", "-q"], cwd=cls.tree, check=True)
        cls.copy = os.path.join(cls.tree, "build", "plant-faults")

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.tree)

    def tool(self, *args, **kw):
        return subprocess.Popen([sys.executable, "scripts/plant-faults", *args], cwd=self.tree,
                                stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True, **kw)

    def source(self, where):
        with open(os.path.join(where, "src", "calc.cpp")) as f:
            return f.read()

    def test_1_reports_and_restores(self):
        out = self.tool("--n", "10", "--seed", "3").communicate()[0]
        self.assertIn("caught 2 of 4 (seed 3); 1 more did not compile", out)
        missed = out[out.index("missed:") :]
        self.assertIn("src/calc.cpp:8:14: arith: - -> +", missed)
        self.assertIn("src/calc.cpp:8:16: constant: 1 -> 2", missed)
        self.assertIn("src/calc.cpp:12:21: constant: 1 -> 2", out.split("missed:")[0])
        self.assertEqual(self.source(self.copy), PROJECT["src/calc.cpp"])
        self.assertEqual(self.source(self.tree), PROJECT["src/calc.cpp"])

        # A fault left in the copy, as by a run killed outright, is gone
        # before the next run builds: without a fault every test passes.
        with open(os.path.join(self.copy, "src", "calc.cpp"), "w") as f:
            f.write(PROJECT["src/calc.cpp"].replace("x * 2", "x * 3"))
        tool = self.tool("--n", "0")
        out = tool.communicate()[0]
        self.assertEqual(tool.returncode, 0, out)
        self.assertEqual(self.source(self.copy), PROJECT["src/calc.cpp"])

    def stop(self, stall, wait_for, stop):
        """Runs the tool with the file stall in the tree, waits until the
        file wait_for in the copy's build holds a process id, calls stop
        with it and returns the tool's output."""
        waiting = os.path.join(self.copy, "build", "default", wait_for)
        open(os.path.join(self.tree, stall), "w").close()
        try:
            tool = self.tool("--n", "10", "--seed", "3")
            while not os.path.exists(waiting) or not os.path.getsize(waiting):
                if tool.poll() is not None:
                    self.fail("nothing stalled:\n" + tool.stdout.read())
                time.sleep(0.05)
            self.assertNotEqual(self.source(self.copy), PROJECT["src/calc.cpp"])
            with open(waiting) as f:
                pid = int(f.read())
            os.remove(waiting)
            stop(tool, pid)
            out = tool.communicate(timeout=20)[0]
        finally:
            os.remove(os.path.join(self.tree, stall))
            if tool.poll() is None:
                tool.kill()
                tool.communicate()
        self.assertNotEqual(tool.returncode, 0)
        self.assertEqual(self.source(self.copy), PROJECT["src/calc.cpp"])
        # Whatever the tool had started went with it.
        deadline = time.monotonic() + 5
        while time.monotonic() < deadline and _alive(pid):
            time.sleep(0.05)
        self.assertFalse(_alive(pid))
        return out

    def test_2_stopped_while_a_test_hangs(self):
        for sig in (signal.SIGINT, signal.SIGTERM):
            with self.subTest(signal=sig.name):
                out = self.stop("hang", "hanging", lambda tool, pid: tool.send_signal(sig))
                self.assertIn("stopped; every fault is taken out again", out)

    def test_3_the_build_killed(self):
        out = self.stop("stall", "building", lambda tool, pid: os.kill(pid, signal.SIGKILL))
        self.assertIn("the build stopped without a compiler error; every fault is taken out", out)


def _alive(pid):
    try:
        with open("/proc/%d/stat" % pid) as f:
            return f.read().split(")")[-1].split()[0] != "Z"
    except FileNotFoundError:
        return False


if __name__ == "__main__":
    unittest.main()
