#include "pageeditor/dialogs/MediaMarkup.h"

#include "pageeditor/dialogs/SiteCopy.h"

namespace pageeditor {

namespace {

// A single-quoted attribute value.
std::string singleQuoted(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '\'')
            out += "&#39;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else
            out += c;
    }
    return out;
}

}  // namespace

std::string flashTag(std::string_view style, std::string_view file, std::string_view quality) {
    // The quality is quoted: "auto high" unquoted would read back as
    // "auto" and an attribute "high".
    const std::string s(style), f = quotedValue(file), q = "\"" + quotedValue(quality) + "\"";
    return " <OBJECT " + s + " classid=\"clsid:D27CDB6E-AE6D-11cf-96B8-444553540000\"" +
           " codebase=\"http://download.macromedia.com/pub/shockwave/cabs/flash/swflash.cab#version=6,0,0,0\"" +
           " ALIGN=\"\">" + " <PARAM NAME=movie VALUE=\"" + f + "\"> <PARAM" + " NAME=quality VALUE=" + q +
           "> <PARAM NAME=bgcolor VALUE=#FFFFFF> <EMBED " + s + " src=\"" + f + "\" quality=" + q +
           " bgcolor=#FFFFFF" +
           " NAME=\"\" ALIGN=\"\" TYPE=\"application/x-shockwave-flash\" "
           "PLUGINSPAGE=\"http://www.macromedia.com/go/getflashplayer\"></EMBED></OBJECT>";
}

std::string marqueeTag(std::string_view style, const MarqueeValues& v) {
    std::string t = "<MARQUEE " + std::string(style);
    if (!v.align.empty()) t += " ALIGN=\"" + quotedValue(v.align) + "\"";
    if (!v.direction.empty()) t += " DIRECTION=\"" + quotedValue(v.direction) + "\"";
    if (v.behavior == "SCROLL" || v.behavior == "SLIDE" || v.behavior == "ALTERNATE")
        t += " BEHAVIOR=\"" + v.behavior + "\"";
    t += " BGCOLOR=\"" + v.bgcolor + "\"";
    if (v.scrollAmount != 0) t += " SCROLLAMOUNT=\"" + std::to_string(v.scrollAmount) + "\"";
    if (v.scrollDelay != 0) t += " SCROLLDELAY=\"" + std::to_string(v.scrollDelay) + "\"";
    t += v.endless ? std::string(" LOOP=\"INFINITE\"") : " LOOP=\"" + std::to_string(v.loop) + "\"";
    return t + ">" + v.text + "</MARQUEE>";
}

std::string movieTag(std::string_view style, std::string_view file) {
    std::string t = "<EMBED " + std::string(style);
    if (!file.empty()) t += " SRC=\"" + quotedValue(file) + "\"";
    return t + " AUTOSTART=\"TRUE\">";
}

std::string iframeTag(std::string_view style, const IframeValues& v) {
    std::string t = "<IFRAME " + std::string(style);
    if (!v.name.empty()) t += " NAME=\"" + quotedValue(v.name) + "\"";
    if (!v.source.empty()) t += " SRC='" + singleQuoted(v.source) + "'";
    if (v.border) t += " FRAMEBORDER=\"1\"";
    return t + " ALIGN=\"" + quotedValue(v.align) + "\">";
}

std::string soundTag(std::string_view file, bool endless, int count) {
    std::string t = "<BGSOUND";
    if (!file.empty()) t += " SRC=\"" + quotedValue(file) + "\"";
    return t + (endless ? std::string(" LOOP=\"INFINITE\">") : " LOOP=\"" + std::to_string(count) + "\">");
}

}  // namespace pageeditor
