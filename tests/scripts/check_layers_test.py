"""scripts/check-layers on small trees of its own: what it must reject and what it lets pass."""
import os
import subprocess
import sys
import tempfile
import unittest

SCRIPT = os.path.join(os.path.dirname(__file__), "..", "..", "scripts", "check-layers")

# Folder -> CMakeLists.txt; friction gives one file to core and the rest to ui.
CMAKE = {
    "platform": "add_library(halvex_platform STATIC Log.h Log.cpp)\n",
    "model": "target_sources(halvex_core PRIVATE Streak.h Streak.cpp)\n",
    "engine": "target_sources(halvex_core PRIVATE\n    Engine.h Engine.cpp # the engine\n)\n",
    "friction": "target_sources(halvex_core PRIVATE ViewModel.h)\n"
                "target_sources(halvex_ui PRIVATE Panel.h)\n",
}
CLEAN = {
    "platform/Log.h": "",
    "platform/Log.cpp": '#include "platform/Log.h"\n',
    "model/Streak.h": '#include "platform/Log.h"\n',
    "model/Streak.cpp": '#include "model/Streak.h"\n#include <QString>\n',
    "engine/Engine.h": '#include "model/Streak.h"\n',
    "engine/Engine.cpp": '#include "Engine.h"\n',
    "friction/ViewModel.h": '#include "engine/Engine.h"\n',
    "friction/Panel.h": '#include "friction/ViewModel.h"\n',
}


class CheckLayers(unittest.TestCase):
    def run_on(self, changes):
        with tempfile.TemporaryDirectory() as root:
            files = dict(CLEAN, **changes)
            for folder, text in CMAKE.items():
                files[folder + "/CMakeLists.txt"] = text
            for path, text in files.items():
                full = os.path.join(root, "src", path)
                os.makedirs(os.path.dirname(full), exist_ok=True)
                with open(full, "w", encoding="utf-8") as f:
                    f.write(text)
            done = subprocess.run([sys.executable, SCRIPT, "--root", root],
                                  capture_output=True, text=True)
            return done.returncode, done.stderr

    def test_clean_tree_passes(self):
        self.assertEqual(self.run_on({}), (0, ""))

    def test_rejections(self):
        cases = [
            ("up a layer", {"model/Streak.cpp": '#include "friction/Panel.h"\n'},
             "src/model/Streak.cpp (core) includes friction/Panel.h (ui)"),
            ("core file of a mixed folder", {"friction/ViewModel.h": '#include "Panel.h"\n'},
             "src/friction/ViewModel.h (core) includes friction/Panel.h (ui)"),
            ("cycle within a layer", {"model/Streak.cpp": '#include "engine/Engine.h"\n'},
             "folders include each other: engine -> model -> engine"),
            ("file in no list", {"engine/Stray.h": ""},
             "src/engine/Stray.h: in no library's source list"),
        ]
        for name, changes, message in cases:
            with self.subTest(name):
                code, output = self.run_on(changes)
                self.assertEqual(code, 1)
                self.assertIn(message, output)


if __name__ == "__main__":
    unittest.main()
