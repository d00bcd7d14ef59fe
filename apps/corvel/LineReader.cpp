#include "LineReader.h"

#include "PlainLineReader.h"

#ifdef CORVEL_HAVE_LIBEDIT
#include "EditLineReader.h"
#endif

std::unique_ptr<LineReader> LineReader::Open(bool terminal) {
#ifdef CORVEL_HAVE_LIBEDIT
    if (terminal) return std::unique_ptr<LineReader>(new EditLineReader());
#else
    (void)terminal;
#endif
    return std::unique_ptr<LineReader>(new PlainLineReader());
}

bool LineReader::HasLineEditing() {
#ifdef CORVEL_HAVE_LIBEDIT
    return true;
#else
    return false;
#endif
}
