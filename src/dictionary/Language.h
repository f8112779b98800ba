#pragma once

namespace zelvora {

// The interface language, which chooses the messages operations write.
enum class Language { Italian, English };

} // namespace zelvora
