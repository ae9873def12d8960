#pragma once

#include <functional>
#include <string>

class TFileStream;

// Replaces fileName with what write() puts into a fresh stream: the data goes to a temporary
// file in the same folder, is flushed to disk and then renamed over fileName, so a crash leaves
// either the old file or the new one, never a truncated one. The stream's offsets start at 0,
// as in the final file. Raises EFCreateError when any step fails (the temporary file is removed).
// makeStream creates the stream for a given temporary path.
void ReplaceFileAtomically(const std::string &fileName,
                           const std::function<TFileStream *(const std::string &)> &makeStream,
                           const std::string &contents);
