// The Apple SDK as far as the macOS backend uses it, and nothing more, so that its sources can be
// compiled for syntax on a machine without the SDK. Each declaration is written from Apple's
// public API reference; the comment beside it names the page, ".../" standing for
// https://developer.apple.com/documentation/<framework>/. The Objective-C forms follow the Swift
// declarations those pages show and the C symbol identifiers they give. This is not an SDK header
// and must never be used to build anything that runs.
//
// It is split by framework: each stub under include/ asks for its framework's section and for
// those the real framework header brings in, so a source that forgets a framework include fails
// the check as it would fail on a Mac. Enumerator values are given for completeness; the check
// relies on names and types alone.

#pragma clang system_header

#include <stddef.h>
#include <stdint.h>
#include <sys/types.h>

#if defined(__OBJC__)
#define APPLE_SDK_BRIDGED(type) __attribute__((objc_bridge(type)))
#define APPLE_SDK_BRIDGED_MUTABLE(type) __attribute__((objc_bridge_mutable(type)))
#else
#define APPLE_SDK_BRIDGED(type)
#define APPLE_SDK_BRIDGED_MUTABLE(type)
#endif

// ---------------------------------------------------------------------------------------------
// Core Foundation (documentation/corefoundation), with the geometry types documented there
#if defined(APPLE_SDK_WANT_COREFOUNDATION) && !defined(APPLE_SDK_COREFOUNDATION_DECLARED)
#define APPLE_SDK_COREFOUNDATION_DECLARED
extern "C" {

typedef unsigned char Boolean;      // MacTypes.h, as .../cfnumbertype says
typedef unsigned char UInt8;        // MacTypes.h, as .../cfnumbertype says
typedef long CFIndex;               // .../cfindex: Int
typedef unsigned long CFTypeID;     // .../cftypeid: UInt
typedef const void* CFTypeRef;      // .../cftyperef
typedef uint32_t CFStringEncoding;  // .../cfstringencoding: UInt32

typedef struct {  // .../cfrange
  CFIndex location;
  CFIndex length;
} CFRange;

static inline CFRange CFRangeMake(CFIndex loc, CFIndex len) {  // .../cfrangemake(_:_:)
  CFRange range = {loc, len};
  return range;
}

typedef unsigned long CFOptionFlags;  // .../cfoptionflags: UInt (64-bit platforms)

typedef const struct APPLE_SDK_BRIDGED(id) __CFAllocator* CFAllocatorRef;  // .../cfallocator
extern const CFAllocatorRef kCFAllocatorDefault;  // .../kcfallocatordefault

typedef const struct APPLE_SDK_BRIDGED(NSString) __CFString* CFStringRef;  // .../cfstring
typedef struct APPLE_SDK_BRIDGED_MUTABLE(NSMutableString)
    __CFString* CFMutableStringRef;                                        // .../cfmutablestring
typedef const struct APPLE_SDK_BRIDGED(NSLocale) __CFLocale* CFLocaleRef;  // .../cflocale
typedef const struct APPLE_SDK_BRIDGED(NSArray) __CFArray* CFArrayRef;     // .../cfarray
typedef const struct APPLE_SDK_BRIDGED(NSDictionary)
    __CFDictionary* CFDictionaryRef;                                         // .../cfdictionary
typedef const struct APPLE_SDK_BRIDGED(NSNumber) __CFNumber* CFNumberRef;    // .../cfnumber
typedef const struct APPLE_SDK_BRIDGED(NSNumber) __CFBoolean* CFBooleanRef;  // .../cfboolean
typedef const struct APPLE_SDK_BRIDGED(NSURL) __CFURL* CFURLRef;             // .../cfurl

CFTypeID CFGetTypeID(CFTypeRef cf);  // .../cfgettypeid(_:)
void CFRelease(CFTypeRef cf);        // .../cfrelease

CFTypeID CFArrayGetTypeID(void);               // .../cfarraygettypeid()
CFIndex CFArrayGetCount(CFArrayRef theArray);  // .../cfarraygetcount(_:)
const void* CFArrayGetValueAtIndex(CFArrayRef theArray,
                                   CFIndex idx);  // .../cfarraygetvalueatindex(_:_:)

CFTypeID CFDictionaryGetTypeID(void);                   // .../cfdictionarygettypeid()
CFIndex CFDictionaryGetCount(CFDictionaryRef theDict);  // .../cfdictionarygetcount(_:)
void CFDictionaryGetKeysAndValues(CFDictionaryRef theDict, const void** keys,
                                  const void** values);  // .../cfdictionarygetkeysandvalues(_:_:_:)
const void* CFDictionaryGetValue(CFDictionaryRef theDict,
                                 const void* key);  // .../cfdictionarygetvalue(_:_:)

enum : CFStringEncoding {              // .../cfstringbuiltinencodings
  kCFStringEncodingUTF8 = 0x08000100,  // .../cfstringbuiltinencodings/utf8
};
CFTypeID CFStringGetTypeID(void);                  // .../cfstringgettypeid()
CFIndex CFStringGetLength(CFStringRef theString);  // .../cfstringgetlength(_:)
CFIndex CFStringGetBytes(CFStringRef theString, CFRange range, CFStringEncoding encoding,
                         UInt8 lossByte, Boolean isExternalRepresentation, UInt8* buffer,
                         CFIndex maxBufLen,
                         CFIndex* usedBufLen);  // .../cfstringgetbytes(_:_:_:_:_:_:_:_:)
CFStringRef CFStringCreateWithBytes(
    CFAllocatorRef alloc, const UInt8* bytes, CFIndex numBytes, CFStringEncoding encoding,
    Boolean isExternalRepresentation);  // .../cfstringcreatewithbytes(_:_:_:_:_:)
CFMutableStringRef CFStringCreateMutableCopy(
    CFAllocatorRef alloc, CFIndex maxLength,
    CFStringRef theString);       // .../cfstringcreatemutablecopy(_:_:_:)
typedef enum : CFOptionFlags {    // .../cfstringcompareflags
  kCFCompareCaseInsensitive = 1,  // .../cfstringcompareflags/comparecaseinsensitive
} CFStringCompareFlags;
typedef enum : CFIndex {             // .../cfstringnormalizationform
  kCFStringNormalizationFormD = 0,   // .../cfstringnormalizationform/d
  kCFStringNormalizationFormKD = 1,  // .../cfstringnormalizationform/kd
  kCFStringNormalizationFormC = 2,   // .../cfstringnormalizationform/c
  kCFStringNormalizationFormKC = 3,  // .../cfstringnormalizationform/kc
} CFStringNormalizationForm;
void CFStringLowercase(CFMutableStringRef theString,
                       CFLocaleRef locale);  // .../cfstringlowercase(_:_:)
void CFStringFold(CFMutableStringRef theString, CFStringCompareFlags theFlags,
                  CFLocaleRef theLocale);  // .../cfstringfold(_:_:_:)
void CFStringNormalize(CFMutableStringRef theString,
                       CFStringNormalizationForm theForm);  // .../cfstringnormalize(_:_:)

typedef enum : CFIndex {     // .../cfnumbertype
  kCFNumberSInt64Type = 4,   // .../cfnumbertype/sint64type
  kCFNumberDoubleType = 13,  // .../cfnumbertype/doubletype
} CFNumberType;
CFTypeID CFNumberGetTypeID(void);                 // .../cfnumbergettypeid()
Boolean CFNumberIsFloatType(CFNumberRef number);  // .../cfnumberisfloattype(_:)
Boolean CFNumberGetValue(CFNumberRef number, CFNumberType theType,
                         void* valuePtr);  // .../cfnumbergetvalue(_:_:_:)

CFTypeID CFBooleanGetTypeID(void);                // .../cfbooleangettypeid()
Boolean CFBooleanGetValue(CFBooleanRef boolean);  // .../cfbooleangetvalue(_:)

typedef double CGFloat;  // .../cgfloat (64-bit platforms)
struct CGPoint {         // .../cgpoint
  CGFloat x;
  CGFloat y;
};
typedef struct CGPoint CGPoint;
struct CGSize {  // .../cgsize
  CGFloat width;
  CGFloat height;
};
typedef struct CGSize CGSize;
struct CGRect {  // .../cgrect
  CGPoint origin;
  CGSize size;
};
typedef struct CGRect CGRect;
}  // extern "C"
#endif

// ---------------------------------------------------------------------------------------------
// The Darwin C library's locale-taking functions (man xlocale, man strtod_l). <xlocale.h> declares
// the <stdlib.h> ones only when <stdlib.h> came first. The checking machine's own <stdlib.h> is
// used; glibc's may already have locale_t, and a strtod_l that refuses the null locale Darwin's
// takes for "C", so Darwin's is declared under a name of its own.
#if defined(APPLE_SDK_WANT_XLOCALE) && !defined(APPLE_SDK_XLOCALE_DECLARED)
#define APPLE_SDK_XLOCALE_DECLARED
extern "C" {
#if !defined(_BITS_TYPES_LOCALE_T_H)
typedef struct _xlocale* locale_t;  // _xlocale.h
#endif
#define LC_C_LOCALE ((locale_t)NULL)  // the "C" locale, without newlocale
#if defined(_STDLIB_H_) || defined(_STDLIB_H)
#define strtod_l apple_sdk_strtod_l
double apple_sdk_strtod_l(const char*, char**, locale_t);  // xlocale/_stdlib.h: strtod_l
#endif
}  // extern "C"
#endif

// ---------------------------------------------------------------------------------------------
// Core Graphics (documentation/coregraphics)
#if defined(APPLE_SDK_WANT_COREGRAPHICS) && !defined(APPLE_SDK_COREGRAPHICS_DECLARED)
#define APPLE_SDK_COREGRAPHICS_DECLARED
extern "C" {
typedef struct CGImage* CGImageRef;  // .../cgimage

typedef uint32_t CGWindowID;                       // .../cgwindowid: UInt32
#define kCGNullWindowID ((CGWindowID)0)            // .../kcgnullwindowid (a macro)
typedef uint32_t CGWindowListOption;               // .../cgwindowlistoption
enum : CGWindowListOption {                        // .../window-list-option-constants
  kCGWindowListOptionOnScreenOnly = (1 << 0),      // .../cgwindowlistoption/optiononscreenonly
  kCGWindowListExcludeDesktopElements = (1 << 4),  // .../cgwindowlistoption/excludedesktopelements
};
CFArrayRef CGWindowListCopyWindowInfo(
    CGWindowListOption option,
    CGWindowID relativeToWindow);  // .../cgwindowlistcopywindowinfo(_:_:)
}  // extern "C"
#endif

// ---------------------------------------------------------------------------------------------
// Image I/O (documentation/imageio)
#if defined(APPLE_SDK_WANT_IMAGEIO) && !defined(APPLE_SDK_IMAGEIO_DECLARED)
#define APPLE_SDK_IMAGEIO_DECLARED
extern "C" {
typedef struct CGImageSource* CGImageSourceRef;  // .../cgimagesource
CGImageSourceRef CGImageSourceCreateWithURL(
    CFURLRef url,
    CFDictionaryRef options);  // .../cgimagesourcecreatewithurl(_:_:)
CGImageRef CGImageSourceCreateImageAtIndex(
    CGImageSourceRef isrc, size_t index,
    CFDictionaryRef options);  // .../cgimagesourcecreateimageatindex(_:_:_:)
CFDictionaryRef CGImageSourceCopyPropertiesAtIndex(
    CGImageSourceRef isrc, size_t index,
    CFDictionaryRef options);  // .../cgimagesourcecopypropertiesatindex(_:_:_:)
extern const CFStringRef kCGImagePropertyPixelWidth;   // .../kcgimagepropertypixelwidth
extern const CFStringRef kCGImagePropertyPixelHeight;  // .../kcgimagepropertypixelheight

typedef enum : uint32_t {             // .../cgimagepropertyorientation
  kCGImagePropertyOrientationUp = 1,  // .../cgimagepropertyorientation/up
} CGImagePropertyOrientation;
}  // extern "C"
#endif

// ---------------------------------------------------------------------------------------------
// Foundation and the Objective-C runtime (documentation/foundation, documentation/objectivec)
#if defined(__OBJC__) && defined(APPLE_SDK_WANT_FOUNDATION) && \
    !defined(APPLE_SDK_FOUNDATION_DECLARED)
#define APPLE_SDK_FOUNDATION_DECLARED
#pragma clang assume_nonnull begin

typedef long NSInteger;            // .../nsinteger: Int
typedef unsigned long NSUInteger;  // .../nsuinteger: UInt
typedef bool BOOL;                 // documentation/objectivec/bool
#define YES ((BOOL)1)              // documentation/objectivec/boolean-values
#define nil nullptr                // documentation/objectivec/nil

@class NSString;

__attribute__((objc_root_class))
@interface NSObject                   // documentation/objectivec/nsobject-swift.class
+ (instancetype)alloc;                // objectivec/nsobject-swift.class/alloc
- (instancetype)init;                 // objectivec/nsobject-swift.class/init()
+ (Class)class;                       // objectivec/nsobject-swift.class/class
- (BOOL)isKindOfClass:(Class)aClass;  // objectivec/nsobjectprotocol/iskind(of:)
@end

@interface NSString : NSObject  // documentation/foundation/nsstring
+ (nullable instancetype)stringWithUTF8String:
    (const char*)nullTerminatedCString;  // .../init(utf8string:)
@end

@interface NSURL : NSObject                 // documentation/foundation/nsurl
+ (NSURL*)fileURLWithPath:(NSString*)path;  // .../nsurl/fileurl(withpath:)
@end

@interface NSError : NSObject                              // documentation/foundation/nserror
@property(readonly, copy) NSString* localizedDescription;  // .../nserror/localizeddescription
@end

@interface NSArray<__covariant ObjectType> : NSObject  // documentation/foundation/nsarray
+ (instancetype)arrayWithObjects:(const ObjectType _Nonnull[_Nonnull])objects
                           count:(NSUInteger)cnt;  // .../nsarray/init(objects:count:)
@property(readonly) NSUInteger count;              // .../nsarray/count
- (ObjectType)objectAtIndex:(NSUInteger)index;     // .../nsarray/object(at:)
@property(nullable, nonatomic, readonly) ObjectType firstObject;  // .../nsarray/firstobject
@end

@interface NSDictionary<__covariant KeyType, __covariant ObjectType> : NSObject
+ (instancetype)dictionaryWithObjects:(const ObjectType _Nonnull[_Nullable])objects
                              forKeys:(const KeyType _Nonnull[_Nullable])keys
                                count:(NSUInteger)
                                          cnt;  // .../nsdictionary/init(objects:forkeys:count:)
@end
#pragma clang assume_nonnull end
#endif

// ---------------------------------------------------------------------------------------------
// AppKit (documentation/appkit)
#if defined(__OBJC__) && defined(APPLE_SDK_WANT_APPKIT) && !defined(APPLE_SDK_APPKIT_DECLARED)
#define APPLE_SDK_APPKIT_DECLARED
#pragma clang assume_nonnull begin
@interface NSRunningApplication : NSObject  // .../nsrunningapplication
+ (nullable instancetype)runningApplicationWithProcessIdentifier:
    (pid_t)pid;  // .../nsrunningapplication/init(processidentifier:)
@property(nullable, readonly, copy)
    NSString* bundleIdentifier;  // .../nsrunningapplication/bundleidentifier
@end
#pragma clang assume_nonnull end
#endif

// ---------------------------------------------------------------------------------------------
// Vision (documentation/vision)
#if defined(__OBJC__) && defined(APPLE_SDK_WANT_VISION) && !defined(APPLE_SDK_VISION_DECLARED)
#define APPLE_SDK_VISION_DECLARED
#pragma clang assume_nonnull begin
typedef float VNConfidence;       // .../vnconfidence: Float
typedef NSString* VNImageOption;  // .../vnimageoption

typedef enum : NSInteger {                    // .../vnrequesttextrecognitionlevel
  VNRequestTextRecognitionLevelAccurate = 0,  // .../vnrequesttextrecognitionlevel/accurate
} VNRequestTextRecognitionLevel;

@interface VNObservation : NSObject  // .../vnobservation
@end

@interface VNDetectedObjectObservation : VNObservation  // .../vndetectedobjectobservation
@property(readonly, nonatomic, assign)
    CGRect boundingBox;  // .../vndetectedobjectobservation/boundingbox
@end

@interface VNRectangleObservation : VNDetectedObjectObservation  // .../vnrectangleobservation
@end

@interface VNRecognizedText : NSObject                           // .../vnrecognizedtext
@property(readonly, nonatomic, copy) NSString* string;           // .../vnrecognizedtext/string
@property(readonly, nonatomic, assign) VNConfidence confidence;  // .../vnrecognizedtext/confidence
@end

@interface VNRecognizedTextObservation : VNRectangleObservation  // .../vnrecognizedtextobservation
- (NSArray<VNRecognizedText*>*)topCandidates:
    (NSUInteger)maxCandidateCount;  // .../topcandidates(_:)
@end

@interface VNRequest : NSObject  // .../vnrequest
- (instancetype)init;            // .../vnrequest/init()
@property(readonly, nonatomic, copy, nullable)
    NSArray<VNObservation*>* results;  // .../vnrequest/results
@end

@interface VNImageBasedRequest : VNRequest  // .../vnimagebasedrequest
@end

@interface VNRecognizeTextRequest : VNImageBasedRequest  // .../vnrecognizetextrequest
@property(readwrite, nonatomic, assign)
    VNRequestTextRecognitionLevel recognitionLevel;  // .../vnrecognizetextrequest/recognitionlevel
@property(readwrite, nonatomic, copy)
    NSArray<NSString*>* recognitionLanguages;  // .../vnrecognizetextrequest/recognitionlanguages
@property(readwrite, nonatomic, assign)
    BOOL usesLanguageCorrection;  // .../vnrecognizetextrequest/useslanguagecorrection
@end

@interface VNImageRequestHandler : NSObject  // .../vnimagerequesthandler
- (instancetype)initWithCGImage:(CGImageRef)image
                    orientation:(CGImagePropertyOrientation)orientation
                        options:(NSDictionary<VNImageOption, id>*)
                                    options;  // .../init(cgimage:orientation:options:)
- (BOOL)performRequests:(NSArray<VNRequest*>*)requests
                  error:(NSError* _Nullable* _Nullable)
                            error;  // .../vnimagerequesthandler/perform(_:)
@end

#pragma clang assume_nonnull end
#endif
