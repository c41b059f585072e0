#pragma once
// Putting a finished report on disk without ever leaving half of one behind.

#include <string>
#include <string_view>

// Writes `content` to the file at `path` (UTF-8), creating it or replacing what was there.
// A new file that cannot be written whole is removed again. An existing regular file is replaced
// only once the whole text is written, flushed and closed in a temporary file beside it; on any
// failure the earlier file stays exactly as it was and no temporary file is left. A path that is not a regular file (a device, say) is written directly,
// and every write is checked. Returns false when the text could not be written completely.
bool WriteWholeFile(const std::string& path, std::string_view content);
