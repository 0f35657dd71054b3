#!/usr/bin/env python3
"""Runs the command with its standard output on a full pipe that nobody reads; exits with its status."""
import fcntl
import os
import subprocess
import sys

read_end, write_end = os.pipe()
fcntl.fcntl(write_end, 1031, 4096)  # F_SETPIPE_SZ: one page, filled at once
os.write(write_end, b"\n" * 4096)
sys.exit(subprocess.call(sys.argv[1:], stdin=subprocess.DEVNULL, stdout=write_end))
