"""Each example end to end, at a small size."""
import subprocess
import sys


def run(examples_dir, examples_env, script, *args, cwd):
    return subprocess.run([sys.executable, str(examples_dir / script), *args], cwd=cwd, env=examples_env,
                          capture_output=True, text=True, timeout=300)


def test_classify_points_writes_its_picture(examples_dir, examples_env, tmp_path):
    done = run(examples_dir, examples_env, "classify_points.py", "--points", "5000", "--out", "map.svg", cwd=tmp_path)
    assert done.returncode == 0, done.stderr
    assert "5000 points" in done.stdout and "inside" in done.stdout
    assert "<svg" in (tmp_path / "map.svg").read_text()


def test_dask_counts_agree_with_one_process(examples_dir, examples_env, tmp_path):
    done = run(examples_dir, examples_env, "dask_points.py", "--points", "40000", "--chunk", "7000",
               "--workers", "2", cwd=tmp_path)
    assert done.returncode == 0, done.stderr
    assert "the counts agree" in done.stdout
