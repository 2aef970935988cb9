#include "metafile_helper/confinement.h"

#include <seccomp.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <initializer_list>
#include <linux/landlock.h>
#include <linux/sched.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/ptrace.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

namespace confinement {

namespace {

// The folders the drawing libraries read fonts and their settings from.
constexpr const char* kFontFolders[] = {
    "/usr/share/fonts",      "/usr/local/share/fonts",     "/etc/fonts",
    "/var/cache/fontconfig", "/var/lib/ghostscript/fonts", "/usr/share/ghostscript",
};

// Limits file access to reading the font folders. A kernel without Landlock
// (or a container that hides it) leaves this part out: the system-call
// filter still forbids every write.
void restrictFilesToFonts()
{
    const long abi = ::syscall(SYS_landlock_create_ruleset, nullptr, 0, LANDLOCK_CREATE_RULESET_VERSION);
    if (abi < 1)
        return;
    landlock_ruleset_attr attributes{};
    attributes.handled_access_fs =
        LANDLOCK_ACCESS_FS_EXECUTE | LANDLOCK_ACCESS_FS_WRITE_FILE | LANDLOCK_ACCESS_FS_READ_FILE |
        LANDLOCK_ACCESS_FS_READ_DIR | LANDLOCK_ACCESS_FS_REMOVE_DIR | LANDLOCK_ACCESS_FS_REMOVE_FILE |
        LANDLOCK_ACCESS_FS_MAKE_CHAR | LANDLOCK_ACCESS_FS_MAKE_DIR | LANDLOCK_ACCESS_FS_MAKE_REG |
        LANDLOCK_ACCESS_FS_MAKE_SOCK | LANDLOCK_ACCESS_FS_MAKE_FIFO | LANDLOCK_ACCESS_FS_MAKE_BLOCK |
        LANDLOCK_ACCESS_FS_MAKE_SYM;
#ifdef LANDLOCK_ACCESS_FS_REFER
    if (abi >= 2)
        attributes.handled_access_fs |= LANDLOCK_ACCESS_FS_REFER;
#endif
    const int ruleset = int(::syscall(SYS_landlock_create_ruleset, &attributes, sizeof attributes, 0));
    if (ruleset < 0)
        return;
    for (const char* folder : kFontFolders) {
        const int fd = ::open(folder, O_PATH | O_CLOEXEC);
        if (fd < 0)
            continue;
        landlock_path_beneath_attr rule{};
        rule.allowed_access = LANDLOCK_ACCESS_FS_READ_FILE | LANDLOCK_ACCESS_FS_READ_DIR;
        rule.parent_fd = fd;
        ::syscall(SYS_landlock_add_rule, ruleset, LANDLOCK_RULE_PATH_BENEATH, &rule, 0);
        ::close(fd);
    }
    ::syscall(SYS_landlock_restrict_self, ruleset, 0);
    ::close(ruleset);
}

bool allow(scmp_filter_ctx filter, int call)
{
    return seccomp_rule_add(filter, SCMP_ACT_ALLOW, call, 0) == 0;
}

// The calls that need no look at their arguments.
bool allowPlainCalls(scmp_filter_ctx filter)
{
    const int plain[] = {
        SCMP_SYS(read),
        SCMP_SYS(readv),
        SCMP_SYS(pread64),
        SCMP_SYS(close),
        SCMP_SYS(fstat),
        SCMP_SYS(newfstatat),
        SCMP_SYS(statx),
        SCMP_SYS(stat),
        SCMP_SYS(lstat),
        SCMP_SYS(lseek),
        SCMP_SYS(munmap),
        SCMP_SYS(mremap),
        SCMP_SYS(brk),
        SCMP_SYS(madvise),
        SCMP_SYS(futex),
        SCMP_SYS(clock_gettime),
        SCMP_SYS(clock_getres),
        SCMP_SYS(gettimeofday),
        SCMP_SYS(nanosleep),
        SCMP_SYS(clock_nanosleep),
        SCMP_SYS(getrandom),
        SCMP_SYS(exit),
        SCMP_SYS(exit_group),
        SCMP_SYS(rt_sigreturn),
        SCMP_SYS(rt_sigprocmask),
        SCMP_SYS(rt_sigaction),
        SCMP_SYS(sigaltstack),
        SCMP_SYS(sched_yield),
        SCMP_SYS(sched_getaffinity),
        SCMP_SYS(getpid),
        SCMP_SYS(gettid),
        SCMP_SYS(getuid),
        SCMP_SYS(geteuid),
        SCMP_SYS(getgid),
        SCMP_SYS(getegid),
        SCMP_SYS(uname),
        SCMP_SYS(sysinfo),
        SCMP_SYS(prlimit64),
        SCMP_SYS(fcntl),
        SCMP_SYS(poll),
        SCMP_SYS(ppoll),
        SCMP_SYS(access),
        SCMP_SYS(faccessat),
        SCMP_SYS(faccessat2),
        SCMP_SYS(readlink),
        SCMP_SYS(readlinkat),
        SCMP_SYS(getdents64),
        SCMP_SYS(getcwd),
        SCMP_SYS(set_robust_list),
        SCMP_SYS(rseq),
        SCMP_SYS(set_tid_address),
        SCMP_SYS(membarrier),
        SCMP_SYS(restart_syscall),
        SCMP_SYS(sched_getparam),
        SCMP_SYS(sched_getscheduler),
    };
    bool ok = true;
    for (const int call : plain)
        ok = ok && allow(filter, call);
    return ok;
}

// The calls allowed only with some arguments.
bool allowGuardedCalls(scmp_filter_ctx filter)
{
    bool ok = true;
    const auto rule = [&](uint32_t action, int call, scmp_arg_cmp condition) {
        ok = ok && seccomp_rule_add(filter, action, call, 1, condition) == 0;
    };
    // Writing only to its own output and error.
    for (const int call : {SCMP_SYS(write), SCMP_SYS(writev)}) {
        rule(SCMP_ACT_ALLOW, call, SCMP_A0(SCMP_CMP_EQ, STDOUT_FILENO));
        rule(SCMP_ACT_ALLOW, call, SCMP_A0(SCMP_CMP_EQ, STDERR_FILENO));
    }
    // Memory, never executable.
    rule(SCMP_ACT_ALLOW, SCMP_SYS(mmap), SCMP_A2(SCMP_CMP_MASKED_EQ, PROT_EXEC, 0));
    rule(SCMP_ACT_ALLOW, SCMP_SYS(mprotect), SCMP_A2(SCMP_CMP_MASKED_EQ, PROT_EXEC, 0));
    // Files opened for reading only, never made.
    const scmp_datum_t writing = O_ACCMODE | O_CREAT | O_TRUNC | O_APPEND;
    rule(SCMP_ACT_ALLOW, SCMP_SYS(openat), SCMP_A2(SCMP_CMP_MASKED_EQ, writing, O_RDONLY));
    rule(SCMP_ACT_ALLOW, SCMP_SYS(open), SCMP_A1(SCMP_CMP_MASKED_EQ, writing, O_RDONLY));
    // Whether its output is a terminal.
    rule(SCMP_ACT_ALLOW, SCMP_SYS(ioctl), SCMP_A1(SCMP_CMP_EQ, TCGETS));
    // Threads of its own (the picture library may draw in several), never a
    // new process; clone3 hides its flags, so it is refused and the C library
    // falls back to clone.
    rule(SCMP_ACT_ALLOW, SCMP_SYS(clone), SCMP_A0(SCMP_CMP_MASKED_EQ, CLONE_THREAD, CLONE_THREAD));
    ok = ok && seccomp_rule_add(filter, SCMP_ACT_ERRNO(ENOSYS), SCMP_SYS(clone3), 0) == 0;
    // A signal to itself (abort) but to no other process.
    rule(SCMP_ACT_ALLOW, SCMP_SYS(tgkill), SCMP_A0(SCMP_CMP_EQ, scmp_datum_t(::getpid())));
    return ok;
}

// The system calls reading the picture, drawing it (with fonts read from
// files) and writing it need; anything else ends the process.
bool installFilter()
{
    scmp_filter_ctx filter = seccomp_init(SCMP_ACT_KILL_PROCESS);
    if (!filter)
        return false;
    const bool ok = seccomp_attr_set(filter, SCMP_FLTATR_CTL_TSYNC, 1) == 0 && allowPlainCalls(filter) &&
                    allowGuardedCalls(filter) && seccomp_load(filter) == 0;
    seccomp_release(filter);
    return ok;
}

int refusedOrAllowed(const char* action, long result)
{
    if (result < 0) {
        std::printf("refused %s: %s\n", action, std::strerror(errno));
        return 10;
    }
    std::printf("ALLOWED %s\n", action);
    return 11;
}

int connectTo(const char* action, const char* path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0)
        return refusedOrAllowed(action, fd);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path, sizeof address.sun_path - 1);
    return refusedOrAllowed(action, ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address));
}

} // namespace

void dropInheritance()
{
    ::syscall(SYS_close_range, 3U, ~0U, 0U);
    ::clearenv();
    if (::chdir("/") != 0)
        std::_Exit(1);
}

bool confine()
{
    if (::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0)
        return false;
    restrictFilesToFonts();
    return installFilter();
}

int tryForbidden(const char* action)
{
    const auto is = [action](const char* name) { return std::strcmp(action, name) == 0; };
    if (is("read-outside-fonts"))
        return refusedOrAllowed(action, ::open("/etc/passwd", O_RDONLY));
    if (is("open-for-writing"))
        return refusedOrAllowed(action, ::open("/tmp/ohmbrook-helper-written", O_WRONLY | O_CREAT, 0600));
    if (is("unlink"))
        return refusedOrAllowed(action, ::unlink("/tmp/ohmbrook-helper-unlinked"));
    if (is("rename"))
        return refusedOrAllowed(action, ::rename("/tmp/ohmbrook-helper-a", "/tmp/ohmbrook-helper-b"));
    if (is("socket"))
        return refusedOrAllowed(action, ::socket(AF_INET, SOCK_STREAM, 0));
    if (is("connect-x-server"))
        return connectTo(action, "/tmp/.X11-unix/X0");
    if (is("connect-bus"))
        return connectTo(action, "/run/dbus/system_bus_socket");
    if (is("execve")) {
        char* const argv[] = {const_cast<char*>("/bin/true"), nullptr};
        return refusedOrAllowed(action, ::execve("/bin/true", argv, nullptr));
    }
    if (is("fork")) {
        const pid_t child = ::fork();
        if (child == 0)
            std::_Exit(0);
        return refusedOrAllowed(action, child);
    }
    if (is("ptrace"))
        return refusedOrAllowed(action, ::ptrace(PTRACE_TRACEME, 0, nullptr, nullptr));
    if (is("kill-parent"))
        return refusedOrAllowed(action, ::kill(::getppid(), 0));
    std::printf("unknown action %s\n", action);
    return 12;
}

} // namespace confinement
