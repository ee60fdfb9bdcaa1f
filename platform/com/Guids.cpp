// The identifiers of the component layer's own interfaces.
#include "com/ClassFactory.h"
#include "com/ConnectionPoint.h"
#include "com/Control.h"
#include "com/Dispatch.h"
#include "com/Font.h"
#include "com/Picture.h"
#include "com/PropertyBag.h"

namespace com {

const Guid IID_IUnknown = guid("{00000000-0000-0000-C000-000000000046}");
const Guid IID_IClassFactory = guid("{00000001-0000-0000-C000-000000000046}");
const Guid IID_IDispatch = guid("{00020400-0000-0000-C000-000000000046}");
const Guid IID_IConnectionPointContainer = guid("{B196B284-BAB4-101A-B69C-00AA00341D07}");
const Guid IID_IConnectionPoint = guid("{B196B286-BAB4-101A-B69C-00AA00341D07}");
const Guid IID_IPropertyBag = guid("{55272A00-42CB-11CE-8135-00AA004BB851}");
const Guid IID_IPersistPropertyBag = guid("{37D84F60-42CB-11CE-8135-00AA004BB851}");
const Guid IID_IFont = guid("{BEF6E002-A874-101A-8BBA-00AA00300CAB}");
const Guid CLSID_StdFont = guid("{0BE35203-8F91-11CE-9DE3-00AA004BB851}");
const Guid IID_IPicture = guid("{7BF80980-BF32-101A-8BBB-00AA00300CAB}");
// The hosting interface is this layer's own.
const Guid IID_IControl = guid("{6A1C3E20-5D7B-4E0F-9A44-2B81C9D0E731}");

}  // namespace com
