// A name listing as an FTP server sends it.
#include "FuzzInput.h"
#include "net/FtpClient.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    net::FtpClient::namesOfListing(fuzzing::asText(data, size));
    return 0;
}
