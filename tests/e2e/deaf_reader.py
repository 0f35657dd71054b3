#!/usr/bin/env python3
"""Runs the game with its standard output on a full pipe that nobody reads until the game has ended, then
copies what the game added to the pipe to a file. Usage: deaf_reader.py GAME OUTPUT; exits with the game's
status."""
import fcntl
import os
import subprocess
import sys

F_SETPIPE_SZ = 1031
PAGE = 4096

game_path, output_path = sys.argv[1:3]
read_end, write_end = os.pipe()
fcntl.fcntl(write_end, F_SETPIPE_SZ, PAGE)
# Full from the start, so that the game's first line finds no room.
os.write(write_end, b"\n" * PAGE)
game = subprocess.Popen([game_path], stdin=subprocess.DEVNULL, stdout=write_end)
os.close(write_end)
game.wait()
held = b""
while chunk := os.read(read_end, 65536):
    held += chunk
with open(output_path, "wb") as output:
    output.write(held[PAGE:])
sys.exit(game.returncode)
