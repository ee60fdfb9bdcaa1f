#include "dictionary/UpdateEndpoint.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <system_error>

#include "net/HttpGet.h"
#include "text/CodePage.h"
#include "text/Paths.h"

namespace dictionary {

namespace {
constexpr int kIdleMs = 60000;

net::HttpOptions optionsFor(const std::string& file) {
    net::HttpOptions o;
    o.idleTimeoutMs = kIdleMs;
    o.totalTimeoutMs = 120000;
    o.maxBytes = file == "kom.dat" ? UpdateEndpoint::CommentBound : UpdateEndpoint::AnswerBound;
    // The increment number is stored: a number cut short is a wrong one.
    o.requireDeclaredEnd = file == "numer.dat";
    return o;
}
}  // namespace

std::string UpdateEndpoint::baseAddress() {
    std::string base = DefaultAddress;
    if (const char* v = std::getenv(AddressVariable); v && *v) base = v;
    if (base.back() != '/') base += '/';
    return base;
}

std::string UpdateEndpoint::address(const std::string& file) { return baseAddress() + file; }

std::string UpdateEndpoint::fetch(const std::string& file) { return net::httpGet(address(file), optionsFor(file)); }

void UpdateEndpoint::fetchTo(const std::string& file, const std::filesystem::path& target) {
    net::HttpOptions o;
    o.idleTimeoutMs = kIdleMs;
    o.totalTimeoutMs = 600000;
    o.maxBytes = IncrementBound;
    o.requireDeclaredEnd = true;
    struct Closer {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    auto drop = [&] {
        std::error_code ec;
        std::filesystem::remove(target, ec);
    };
    std::unique_ptr<std::FILE, Closer> out(std::fopen(target.c_str(), "wb"));
    if (!out) throw net::NetError(net::NetError::Kind::Local, text::ansi("Nie można zapisać pliku ") +
                                                                 text::pathText(target.filename()) + ".");
    try {
        net::httpGet(address(file), o, [&](const char* data, std::size_t size) {
            return std::fwrite(data, 1, size, out.get()) == size;
        });
    } catch (...) {
        out.reset();
        drop();
        throw;
    }
    const bool ok = std::fwrite("\r\n", 1, 2, out.get()) == 2 && std::fclose(out.release()) == 0;
    if (!ok) {
        drop();
        throw net::NetError(net::NetError::Kind::Local,
                            text::ansi("Nie można zapisać pliku ") + text::pathText(target.filename()) + ".");
    }
}

void UpdateEndpoint::cancel() { net::abortHttpGet(); }

}  // namespace dictionary
