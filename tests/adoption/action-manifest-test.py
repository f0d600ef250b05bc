#!/usr/bin/env python3
"""Checks action.yml as GitHub would read it: a composite action whose steps
run scripts that exist and whose inputs reach them only through the
environment, where no expression is spliced into script text."""
import pathlib
import re
import sys

try:
    import yaml
except ImportError:
    print("SKIP: python3's yaml module is not installed (Debian package python3-yaml)")
    sys.exit(77)

source_dir = pathlib.Path(sys.argv[1])
action = yaml.safe_load((source_dir / "action.yml").read_text())
failures = []

if action["runs"]["using"] != "composite":
    failures.append("runs.using is not composite")
if set(action["inputs"]) != {"paths", "args", "baseline", "sarif"}:
    failures.append(f"unexpected inputs {sorted(action['inputs'])}")
if action["inputs"]["paths"].get("default") != ".":
    failures.append("paths does not default to the whole workspace")

steps = action["runs"]["steps"]
step_ids = {step.get("id") for step in steps}
for output, spec in action["outputs"].items():
    step = re.search(r"steps\.([\w-]+)\.outputs", spec["value"])
    if not step or step.group(1) not in step_ids:
        failures.append(f"output {output} names no step of the action")

scripts = []
for step in steps:
    name = step.get("name", "a step")
    if step.get("shell") != "bash":
        failures.append(f"{name}: a composite step needs shell: bash")
    if "${{" in step["run"]:
        failures.append(f"{name}: an expression in run text can inject commands")
    for script in re.findall(r'"\$GITHUB_ACTION_PATH/([^"]+)"', step["run"]):
        scripts.append(script)
        if not (source_dir / script).is_file():
            failures.append(f"{name}: {script} does not exist")
    for variable in re.findall(r"\$\{\{\s*inputs\.([\w-]+)", str(step.get("env", {}))):
        if variable not in action["inputs"]:
            failures.append(f"{name}: the environment names an unknown input {variable}")

if "tools/action/check.sh" not in scripts:
    failures.append("no step runs tools/action/check.sh")

for failure in failures:
    print(f"FAIL: {failure}", file=sys.stderr)
sys.exit(1 if failures else 0)
