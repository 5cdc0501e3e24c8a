"""A slow machine on this one: the processes put in a CpuLimit may use a share of one core, over a
short period, as the kernel's CPU controller enforces it (cgroup v2, else v1's cpu controller).
Made when entered and removed when left; where neither controller can be used, entering raises
Unavailable, saying why."""

import os

ROOT_V2 = "/sys/fs/cgroup"
ROOT_V1 = "/sys/fs/cgroup/cpu"
PERIOD_US = 10000  # short, so that the limit holds within a frame rather than in 100 ms bursts


class Unavailable(Exception):
    pass


class CpuLimit:
    def __init__(self, percent, name="tierce-cpu-limit"):
        self.quota = PERIOD_US * percent // 100
        self.name = f"{name}-{os.getpid()}"
        self.group = None

    def __enter__(self):
        controllers = os.path.join(ROOT_V2, "cgroup.controllers")
        try:
            if os.path.exists(controllers):
                with open(controllers) as available:
                    if "cpu" not in available.read().split():
                        raise Unavailable("cgroup v2 without its cpu controller")
                with open(os.path.join(ROOT_V2, "cgroup.subtree_control"), "w") as control:
                    control.write("+cpu")
                self.group = os.path.join(ROOT_V2, self.name)
                os.mkdir(self.group)
                self.Write("cpu.max", f"{self.quota} {PERIOD_US}")
            elif os.path.exists(os.path.join(ROOT_V1, "cpu.cfs_quota_us")):
                self.group = os.path.join(ROOT_V1, self.name)
                os.mkdir(self.group)
                self.Write("cpu.cfs_period_us", str(PERIOD_US))
                self.Write("cpu.cfs_quota_us", str(self.quota))
            else:
                raise Unavailable("no cgroup CPU controller mounted")
        except OSError as error:
            self.__exit__()
            raise Unavailable(f"the CPU controller cannot be used here: {error}") from None
        return self

    def __exit__(self, *error):
        if not self.group or not os.path.isdir(self.group):
            return
        # What still runs in the group goes back to the top, so that the group can go.
        with open(self.Procs()) as procs:
            left = procs.read().split()
        for pid in left:
            try:
                with open(os.path.join(os.path.dirname(self.group), "cgroup.procs"), "w") as top:
                    top.write(pid)
            except OSError:
                pass  # ended meanwhile
        os.rmdir(self.group)

    def Write(self, name, value):
        with open(os.path.join(self.group, name), "w") as file:
            file.write(value)

    def Procs(self):
        return os.path.join(self.group, "cgroup.procs")

    def Join(self):
        """Puts the calling process in the group: for Popen's preexec_fn, before the exec."""
        with open(self.Procs(), "w") as procs:
            procs.write(str(os.getpid()))

    def Command(self, argv):
        """`argv` run in the group, by a shell that joins it and execs it, keeping its pid: for a
        program that starts it (FrameProbe) rather than Popen."""
        return ["sh", "-c", 'echo $$ > "$0" && exec "$@"', self.Procs()] + list(argv)
