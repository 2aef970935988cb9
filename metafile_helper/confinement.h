#pragma once

// What the metafile helper shuts itself into before it reads a picture.
//
// The drawing libraries are old C code; a picture crafted to take them over
// must find nothing to take. After confine() the helper keeps its standard
// input, output and error and no other descriptor, has no environment and
// works in "/", can gain no privileges, may read only the font folders the
// libraries use (where the kernel offers Landlock), and may make only the
// system calls reading, drawing and writing need. Opening a file to write,
// removing or renaming one, sockets, starting a program, forking, tracing
// and signalling another process end it at once.

namespace confinement {

// Sets it all up; false when the system refuses (the helper must then draw
// nothing). Call once the application object exists and before the first
// byte of the picture is read.
bool confine();

// Closes every descriptor but the standard three, empties the environment
// and moves to "/": done first thing, before the application object exists.
void dropInheritance();

// For the tests: after confine(), tries one forbidden action and says on
// standard output whether it was refused. Returns the exit status: 10 when
// refused; 11 when it was allowed. An action the filter forbids ends the
// process instead.
int tryForbidden(const char* action);

} // namespace confinement
