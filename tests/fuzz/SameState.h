#pragma once

#include "FuzzSupport.h"
#include "ReferenceWindow.h"

#include <string>

namespace fuzz {

// The term box and the labels the engine left, against the reference's window.
inline void expectSameState(const zelvora::LookupState &engine, const zelvora::reference::Window &window,
                            const std::string &what)
{
    expectSame(engine.termBox, window.termBox, what + ": term box");
    expectSame(engine.label1, window.label1, what + ": Label1");
    expectSame(label3Of(engine.found), window.label3, what + ": Label3");
}

} // namespace fuzz
