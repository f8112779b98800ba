#pragma once

enum class Language { Italian, English };
