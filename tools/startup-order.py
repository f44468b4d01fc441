# gdb script for tools/startup-order.sh: stops once at the first
# instruction of every function of the program and writes, in the order
# they first ran, the names of those that ran in its first 15 seconds
# (the window shown and the start's deferred work done). Each breakpoint disables itself when hit, so the program
# runs at almost its own speed after its first calls.
import builtins
import os
import signal
import subprocess
import threading
import time

import gdb

program = gdb.current_progspace().filename
symbols = subprocess.run(["nm", "--defined-only", program], capture_output=True, text=True, check=True).stdout
functions = {}
for line in symbols.splitlines():
    fields = line.split()
    if len(fields) == 3 and fields[1] in "tTwW":
        functions.setdefault(int(fields[0], 16), fields[2])

gdb.execute("set pagination off")
gdb.execute("starti", to_string=True)
base = min(int(line.split()[0], 16)
           for line in gdb.execute("info proc mappings", to_string=True).splitlines()
           if line.strip().endswith(os.path.basename(program)))
builtins.ran = []


class FirstCall(gdb.Breakpoint):
    def stop(self):
        builtins.ran.append(self.function)
        self.enabled = False
        return False


for offset, name in functions.items():
    FirstCall("*0x%x" % (base + offset), internal=True).function = name
pid = gdb.selected_inferior().pid
threading.Thread(target=lambda: (time.sleep(15), os.kill(pid, signal.SIGINT)), daemon=True).start()
gdb.execute("continue")
with open(os.environ["STARTUP_ORDER_OUT"], "w") as out:
    out.write("".join(name + "\n" for name in builtins.ran))
