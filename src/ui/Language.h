#pragma once

#include "dictionary/Language.h"

using zelvora::Language;
