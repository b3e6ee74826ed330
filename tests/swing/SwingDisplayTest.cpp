// The Java front end's displays and text conversions, against a real JVM running a
// stand-in of the front end's class. A process holds one JVM: the tests of this program
// share one on the full stand-in, and each death test starts its own in a new process.
#include "../messages/MessagesTestSupport.h"
#include "TOVError.h"
#include "TOVErrorDisplayToSwing.h"
#include "TOVErrorDisplayToTerm.h"
#include "TOVFatalErrorDisplayToSwing.h"
#include "TOVFatalInternalError.h"
#include "TOVGlobalObjectCleaner.h"
#include "TOVJniText.h"
#include "TOVMessageDisplayToSwing.h"
#include "TOVSwingUtilities.h"

#include <gmock/gmock.h>
#include <jni.h>

#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

using ::testing::AllOf;
using ::testing::ContainsRegex;
using ::testing::HasSubstr;
using ::testing::Not;

// The JVM of this process, started on first use with the stand-in of classVariant.
JNIEnv* Jvm(const char* classVariant = "full") {
  static JNIEnv* env = nullptr;
  if (env == nullptr) {
    std::string classPath =
        std::string("-Djava.class.path=") + TOV_SWING_CLASS_DIR + "/" + classVariant;
    JavaVMOption options[] = {{const_cast<char*>(classPath.c_str()), nullptr},
                              {const_cast<char*>("-Xrs"), nullptr},
                              {const_cast<char*>("-Xmx64m"), nullptr},
                              {const_cast<char*>("-XX:+UseSerialGC"), nullptr},
                              {const_cast<char*>("-XX:TieredStopAtLevel=1"), nullptr}};
    JavaVMInitArgs args{JNI_VERSION_10, sizeof options / sizeof options[0], options, JNI_FALSE};
    JavaVM* vm = nullptr;
    if (JNI_CreateJavaVM(&vm, reinterpret_cast<void**>(&env), &args) != JNI_OK)
      ADD_FAILURE() << "the JVM does not start";
  }
  return env;
}

std::u16string JavaText(JNIEnv* env, jstring s) {
  const jchar* chars = env->GetStringChars(s, nullptr);
  std::u16string text(reinterpret_cast<const char16_t*>(chars),
                      static_cast<size_t>(env->GetStringLength(s)));
  env->ReleaseStringChars(s, chars);
  return text;
}

jstring NewJavaString(JNIEnv* env, const std::u16string& text) {
  return env->NewString(reinterpret_cast<const jchar*>(text.data()),
                        static_cast<jsize>(text.size()));
}

// The calls the stand-in recorded since the last time, "method:text" in UTF-8.
std::vector<std::string> TakeCalls() {
  JNIEnv* env = Jvm();
  jclass frontEnd = env->FindClass(TOV_JNI_ERROR_CLASS);
  jmethodID take = env->GetStaticMethodID(frontEnd, "TakeCalls", "()[Ljava/lang/String;");
  auto calls = static_cast<jobjectArray>(env->CallStaticObjectMethod(frontEnd, take));
  std::vector<std::string> out;
  for (jsize i = 0; i < env->GetArrayLength(calls); ++i) {
    auto call = static_cast<jstring>(env->GetObjectArrayElement(calls, i));
    std::u16string text = JavaText(env, call);
    out.push_back(TOVJniEncodeWide(text.data(), text.size()));
    env->DeleteLocalRef(call);
  }
  env->DeleteLocalRef(calls);
  env->DeleteLocalRef(frontEnd);
  return out;
}

// The Swing displays installed as the global ones, on the JVM of classVariant.
void InstallSwing(const char* classVariant = "full") {
  TOVSwingUtilities::MakeAndSetAsGlobalDisplayToSwing();
  TOVSwingUtilities::SetJNIEnvVariable(Jvm(classVariant));
}

TOVError* MakeError(MORErrorType type, const char* diagnostic) {
  return new TOVError("x.cpp", 7, msgtest::Fixed("Doing it."), msgtest::Fixed(diagnostic),
                      msgtest::Fixed("Try again."), type, E_FAIL);
}

class SwingDisplayTest : public ::testing::Test {
protected:
  // A death test's child process runs the test again: it takes over the directory of its
  // parent, so that the parent sees what the child left there. No test leaves a file.
  void SetUp() override {
    const char* inherited = std::getenv("TOVTEST_SWING_DIR");
    _Dir = inherited != nullptr ? inherited : tovtest::MakeTempDir();
    setenv("TOVTEST_SWING_DIR", _Dir.c_str(), 1);
    setenv("TOV_TMP", _Dir.c_str(), 1);
  }
  void TearDown() override {
    delete _pCleaner;
    EXPECT_EQ(rmdir(_Dir.c_str()), 0) << "a file is left in " << _Dir;
    unsetenv("TOVTEST_SWING_DIR");
  }

  std::string ReportPath() { return _Dir + "/SCMFatalErrorFile.txt" + std::to_string(getpid()); }

  TOVGlobalObjectCleaner* _pCleaner = new TOVGlobalObjectCleaner;
  std::string _Dir;
};

// Each death test starts a JVM of its own in a new process: a forked copy of a process
// whose JVM runs could not start another.
class SwingDisplayDeathTest : public SwingDisplayTest {
protected:
  SwingDisplayDeathTest() { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

TEST_F(SwingDisplayTest, MessagesAndErrorsReachTheirMethodsWhole) {
  InstallSwing();
  TakeCalls();
  // Characters beyond the 16-bit range and a line feed travel unchanged; iNewLine is the
  // Java side's business. The front end throws for "!throw!": later calls still work.
  TOVMessageDisplay::GetGlobal().Display(MORUnicodeString("!throw!"), 1);
  TOVMessageDisplay::GetGlobal().Display(MORUnicodeString("h\xC3\xA9llo \xF0\x9F\x98\x80\nnext"),
                                         1);
  std::vector<std::string> expected = {"DisplayMessage:!throw!",
                                       "DisplayMessage:h\xC3\xA9llo \xF0\x9F\x98\x80\nnext"};
  const std::pair<MORErrorType, const char*> types[] = {
      {MORCriticalError, "DisplayCriticalError"},
      {MORFatalError, "DisplayFatalError"},
      {MORWarning, "DisplayWarningError"},
      {MORInformation, "DisplayInformationError"},
      {MORErrorType(0), "DisplayInformationError"}};
  for (const auto& [type, method] : types) {
    TOVError* error = MakeError(type, "It broke.");
    TOVErrorDisplay::GetGlobal().Display(*error);
    expected.push_back(std::string(method) + ":" +
                       msgtest::Utf8(TOVErrorDisplayToTerm::MakeMsgTxt(*error)));
    error->Release();
  }
  EXPECT_EQ(TakeCalls(), expected);
}

TEST_F(SwingDisplayTest, FatalReportGoesToJavaLineByLineAndItsFileGoes) {
  TOVSwingUtilities::SetJNIEnvVariable(Jvm());
  TakeCalls();
  TOVFatalErrorDisplayToSwing display;
  TOVOFStream& stream = display.GetOutputStream();
  ASSERT_NE(&stream, &TOVStderr);
  ASSERT_NE(display.GetFileName(), nullptr);
  EXPECT_EQ(std::string(*display.GetFileName()), ReportPath());
  // A line far longer than any fixed buffer reaches Java as one line; a byte that is not
  // UTF-8 comes back as itself.
  std::string longLine(3000, 'L');
  stream << "first \xFF" << endl
         << longLine.c_str() << endl
         << "Contact your administrator" << endl;
  display.Display();
  EXPECT_EQ(TakeCalls(),
            (std::vector<std::string>{"DisplayFatalError:first \xFF\n",
                                      "DisplayFatalError:" + longLine + "\n",
                                      "DisplayFatalError:Contact your administrator\n"}));
}

TEST_F(SwingDisplayTest, FatalReportNeverFollowsOrOverwritesAnExistingName) {
  TOVSwingUtilities::SetJNIEnvVariable(Jvm());
  TakeCalls();
  std::string target = _Dir + "/target";
  for (bool link : {false, true}) {
    tovtest::WriteFile(target, "precious\n");
    if (link)
      ASSERT_EQ(symlink(target.c_str(), ReportPath().c_str()), 0);
    else
      tovtest::WriteFile(ReportPath(), "precious\n");
    {
      TOVFatalErrorDisplayToSwing display;
      EXPECT_EQ(&display.GetOutputStream(), &TOVStderr) << "link " << link;
      display.Display();
    }
    EXPECT_EQ(tovtest::ReadFile(target), "precious\n");
    EXPECT_EQ(tovtest::ReadFile(ReportPath()), "precious\n");
    EXPECT_TRUE(TakeCalls().empty());
    unlink(ReportPath().c_str());
  }
  unlink(target.c_str());
  // Without "TOV_TMP" the report has no file either.
  unsetenv("TOV_TMP");
  TOVFatalErrorDisplayToSwing display;
  EXPECT_EQ(&display.GetOutputStream(), &TOVStderr);
}

TEST_F(SwingDisplayDeathTest, FatalReportOfTheProcessReachesJava) {
  EXPECT_DEATH(
      {
        InstallSwing();
        TOVFatalInternalError("broken ", 42);
      },
      "JAVA DisplayFatalError\\[#ERR# Fatal internal error: 'broken 42' on file: [^\n]+ at "
      "line: [0-9]+\n\\]\nJAVA DisplayFatalError\\[Contact your administrator\n\\]");
}

TEST_F(SwingDisplayDeathTest, EnvironmentMustBeSetFirst) {
  EXPECT_FATAL(
      {
        TOVSwingUtilities::MakeAndSetAsGlobalDisplayToSwing();
        TOVSwingUtilities::GetJNIEnvVariable();
      },
      "JNI Environment pointer is not initialized.");
}

// On the stand-in classVariant, shows a message (type 0) or an error of type.
void DisplayOn(const char* classVariant, int type) {
  InstallSwing(classVariant);
  if (type == 0)
    TOVMessageDisplay::GetGlobal().Display(MORUnicodeString("m"), 1);
  TOVErrorDisplay::GetGlobal().Display(*MakeError(MORErrorType(type), "d"));
}

TEST_F(SwingDisplayDeathTest, MissingClassOrMethodIsFatal) {
  auto fatal = [](const std::string& message, const char* fatalDisplay) {
    return AllOf(ContainsRegex(tovtest::FatalText(message)),
                 HasSubstr(std::string("Unable to find recording ") + fatalDisplay + "\n"),
                 Not(HasSubstr("JAVA ")));
  };
  const char* noClass =
      "class TOVCMJSERVICES_PACKAGE 'TOVJniError' in TOVFatalErrorDisplayToSwing.";
  EXPECT_DEATH(
      DisplayOn("none", 0),
      fatal("Unable to find recording class 'TOVCMJSERVICES_PACKAGE TOVJniError'.", noClass));
  EXPECT_DEATH(
      DisplayOn("none", MORWarning),
      fatal("Unable to find recording class TOVCMJSERVICES_PACKAGE 'TOVJniError'.", noClass));
  const char* noMethod = "method 'TOVError.DisplayFatalError'.";
  const char* methods[] = {"DisplayMessage", "DisplayCriticalError", "DisplayFatalError",
                           "DisplayWarningError", "DisplayInformationError"};
  for (int type = 0; type <= MORInformation; ++type)
    EXPECT_DEATH(
        DisplayOn("bare", type),
        fatal(std::string("Unable to find recording method 'TOVError.") + methods[type] + "'.",
              noMethod));
}

// ---------------------------------------------------------------------------
// Text conversions.

// The Java text that convertWinStringToJString makes of length bytes (0: up to the NUL).
std::u16string ToJava(JNIEnv* env, const char* bytes, int length) {
  jstring java = convertWinStringToJString(env, bytes, length);
  std::u16string text = JavaText(env, java);
  env->DeleteLocalRef(java);
  return text;
}

std::u16string RoundTripWide(JNIEnv* env, const std::u16string& text) {
  jstring java = NewJavaString(env, text);
  char* narrow = convertJStringToWinString(env, java);
  env->DeleteLocalRef(java);
  if (narrow == nullptr)
    return u"<null>";
  std::u16string result = ToJava(env, narrow, static_cast<int>(strlen(narrow)));
  std::free(narrow);
  return result;
}

std::string RoundTripNarrow(JNIEnv* env, const std::string& bytes) {
  jstring java = convertWinStringToJString(env, bytes.data(), static_cast<int>(bytes.size()));
  char* narrow = convertJStringToWinString(env, java);
  env->DeleteLocalRef(java);
  std::string result = narrow != nullptr ? std::string(narrow) : "<null>";
  std::free(narrow);
  return result;
}

TEST(JniStringTest, EveryPlaneAndLoneSurrogateComesBack) {
  JNIEnv* env = Jvm();
  std::u16string text;
  for (char32_t plane = 0; plane <= 16; ++plane) {
    for (char32_t low : {0x41u, 0xE9u, 0x7FFu, 0x800u, 0xABCDu, 0xFFFDu, 0xFFFFu}) {
      char32_t c = (plane << 16) | low;
      if (c < 0x10000) {
        text += static_cast<char16_t>(c);
      } else {
        text += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
        text += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
      }
    }
  }
  // Its UTF-8 form is what the runtime itself writes for valid text.
  jstring java = NewJavaString(env, text);
  char* narrow = convertJStringToWinString(env, java);
  ASSERT_NE(narrow, nullptr);
  EXPECT_EQ(std::string(narrow), MORUnicodeString::EncodeUtf8(text.data(), text.size()));
  std::free(narrow);
  env->DeleteLocalRef(java);
  EXPECT_EQ(RoundTripWide(env, text), text);
  // clang-format off
  const std::u16string lone[] = {u"\xD800", u"a\xDBFF", u"\xDC00z", u"\xDFFF\xD800", u"\xD800\xD800",
                                 u"\xD800\xD800\xDC00", u"\xDC80", u"x\xDCFFy", u"\xDBFF\xDC7F\xDD00",
                                 u"\xD83D\xDE00\xDE00"};
  // clang-format on
  for (const std::u16string& s : lone)
    EXPECT_EQ(RoundTripWide(env, s), s);
  // Three bytes per character: the buffer is sized on the text made.
  std::u16string wide(1000, u'\x4E2D');
  EXPECT_EQ(RoundTripWide(env, wide), wide);
  EXPECT_EQ(RoundTripWide(env, u""), u"<null>");
  EXPECT_EQ(convertJStringToWinString(env, nullptr), nullptr);
}

TEST(JniStringTest, BytesThatAreNotUtf8ComeBack) {
  JNIEnv* env = Jvm();
  // clang-format off
  const std::string cases[] = {"\xFF", "caf\xE9", "\xC3", "\xE2\x82", "\xF0\x9F\x98", "\xC0\xAF",
                               "\xED\xA0\x80", "\xED\xA0\x80\xED\xB0\x80", "\xED\xA0\x80\x80",
                               "\xED\xB2\x80", "\xF4\x90\x80\x80", "\x80\x80\xBF"};
  // clang-format on
  for (const std::string& bytes : cases)
    EXPECT_EQ(RoundTripNarrow(env, bytes), bytes);
  // A byte that is not UTF-8 arrives as U+DC00 plus the byte. A length of zero reads
  // modified UTF-8; four-byte UTF-8 and stray bytes are not modified UTF-8: decoded, never
  // handed raw to the JVM.
  EXPECT_EQ(ToJava(env, "a\xE9", 2), u"a\xDCE9");
  EXPECT_EQ(ToJava(env,
                   "a\xC0\x80"
                   "b\xE2\x82\xAC",
                   0),
            std::u16string(u"a\0b\x20AC", 4));
  EXPECT_EQ(ToJava(env, "\xF0\x9F\x98\x80\xFF", 0), u"\xD83D\xDE00\xDCFF");
  EXPECT_EQ(convertWinStringToJString(env, nullptr, 0), nullptr);
}

} // namespace
