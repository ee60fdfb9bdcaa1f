#include "pageeditor/dialogs/MediaMarkup.h"

#include <utility>

#include "pageeditor/dialogs/SiteCopy.h"
#include "pageeditor/dialogs/TagText.h"
#include "pageeditor/dialogs/WholeNumber.h"
#include "text/CaseRules.h"

namespace pageeditor {

namespace {

std::string singleQuoted(std::string_view text) { return quotedAttributeValue(text, '\''); }

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

AttributeChanges marqueeChanges(const MarqueeValues& shown, const MarqueeValues& now) {
    AttributeChanges c;
    if (now.align != shown.align) c.push_back({"ALIGN", now.align});
    if (now.direction != shown.direction) c.push_back({"DIRECTION", now.direction});
    if (now.behavior != shown.behavior) {
        std::string word;
        for (const char* w : {"SCROLL", "SLIDE", "ALTERNATE"})
            if (text::equalsNoCase(now.behavior, w)) word = w;
        c.push_back({"BEHAVIOR", word});
    }
    if (now.bgcolor != shown.bgcolor) c.push_back({"BGCOLOR", now.bgcolor});
    if (now.scrollAmount != shown.scrollAmount) c.push_back({"SCROLLAMOUNT", std::to_string(now.scrollAmount)});
    if (now.scrollDelay != shown.scrollDelay) c.push_back({"SCROLLDELAY", std::to_string(now.scrollDelay)});
    if (now.endless != shown.endless || (!now.endless && now.loop != shown.loop))
        c.push_back({"LOOP", now.endless ? std::string("INFINITE") : std::to_string(now.loop)});
    return c;
}

std::optional<long> marqueeLoopCount(const std::string& loop) {
    const long count = leadingNumber(loop, 0, 0);
    if (count < 1) return std::nullopt;
    return count;
}

AttributeChanges iframeChanges(const IframeValues& shown, const IframeValues& now) {
    AttributeChanges c;
    if (now.name != shown.name) c.push_back({"NAME", now.name});
    if (now.source != shown.source) c.push_back({"SRC", now.source});
    if (now.border != shown.border) c.push_back({"FRAMEBORDER", now.border ? "1" : "0"});
    if (now.align != shown.align) c.push_back({"ALIGN", now.align});
    return c;
}

std::string flashWithChanges(const std::string& objectHTML, const std::optional<std::string>& file,
                             const std::optional<std::string>& quality) {
    std::string out;
    std::size_t copied = 0;   // of objectHTML into out
    std::optional<std::size_t> startEnd;  // where the object's whole start tag ends in out
    bool movieParam = false, qualityParam = false, firstTag = true;
    auto set = [](std::string tag, const char* name, const std::optional<std::string>& value, bool onlyIfThere) {
        if (value && (!onlyIfThere || findTagAttribute(tag, name))) tag = withTagAttribute(tag, name, *value, name);
        return tag;
    };
    for (std::optional<TagInMarkup> t = nextTag(objectHTML, 0); t; t = nextTag(objectHTML, t->end)) {
        const bool first = std::exchange(firstTag, false);
        std::string tag = objectHTML.substr(t->at, t->end - t->at);
        if (t->closing || !t->whole) continue;  // a tag the text cuts off is left as it is
        if (t->name == "object") {
            tag = set(set(tag, "data", file, true), "movie", file, true);
        } else if (t->name == "param") {
            const std::string name = text::lower(tagAttribute(tag, "name"));
            if (name == "movie" || name == "src") {
                movieParam = true;
                tag = set(tag, "value", file, false);
            } else if (name == "quality") {
                qualityParam = true;
                tag = set(tag, "value", quality, false);
            }
        } else if (t->name == "embed") {
            tag = set(set(tag, "src", file, false), "quality", quality, false);
        }
        out += objectHTML.substr(copied, t->at - copied) + tag;
        copied = t->end;
        if (first && t->name == "object") startEnd = out.size();
    }
    out += objectHTML.substr(copied);
    // The PARAMs it lacks go inside the object, after its start tag.
    std::string params;
    if (file && !movieParam) params += "<PARAM NAME=movie VALUE=\"" + quotedValue(*file) + "\">";
    if (quality && !qualityParam) params += "<PARAM NAME=quality VALUE=\"" + quotedValue(*quality) + "\">";
    if (startEnd) out.insert(*startEnd, params);
    return out;
}

std::string soundTag(std::string_view file, bool endless, int count) {
    std::string t = "<BGSOUND";
    if (!file.empty()) t += " SRC=\"" + quotedValue(file) + "\"";
    return t + (endless ? std::string(" LOOP=\"INFINITE\">") : " LOOP=\"" + std::to_string(count) + "\">");
}

}  // namespace pageeditor
