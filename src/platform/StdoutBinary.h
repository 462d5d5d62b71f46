#pragma once
// Standard output as raw bytes. Windows otherwise writes every LF as CR LF,
// which would double the CR of text that already has CR LF line ends.

namespace mapsetdesk {

void setStdoutBinary();

}  // namespace mapsetdesk
