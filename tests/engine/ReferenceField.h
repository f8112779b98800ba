#pragma once

// The complex search's field as the step-by-step reference's combo box holds
// it, for the complex search's tests and fuzz target alike.

#include "reference/ComplexSearchStepByStep.h"
#include "search/ComplexSearch.h"

inline zelvora::reference::Field referenceField(zelvora::SearchField field)
{
    switch (field) {
    case zelvora::SearchField::Terms: return zelvora::reference::Field::Terms;
    case zelvora::SearchField::Definitions: return zelvora::reference::Field::Definitions;
    case zelvora::SearchField::Both: return zelvora::reference::Field::Both;
    case zelvora::SearchField::None: break;
    }
    return zelvora::reference::Field::Nothing;
}
