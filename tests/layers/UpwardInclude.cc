// Compiled only by the layer tests, each time with a header from a layer
// above the target it is built for: it must not compile.
#include QUILLORY_PROBE_HEADER
