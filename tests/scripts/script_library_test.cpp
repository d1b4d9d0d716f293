// Script loading without widgets: the file reader, the error report, the
// procedure lookup, and the loader and start-up on a real engine with a
// recording message box.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include <QString>

#include "engine/host_object.h"
#include "scripts/script_library.h"

namespace talvoro {
namespace {

class RecordingBox : public MessageBox {
public:
    void showMessage(const std::u16string& text, const std::u16string&) override { texts.push_back(text); }
    std::vector<std::u16string> texts;
};

class ScriptFiles : public ::testing::Test {
protected:
    ScriptFiles() {
        std::string pattern = (std::filesystem::temp_directory_path() / "talvoro-lib-XXXXXX").string();
        dir_ = ::mkdtemp(pattern.data());
    }
    ~ScriptFiles() override { std::filesystem::remove_all(dir_); }

    std::string write(const std::string& name, const std::string& bytes) {
        const std::string path = dir_ + "/" + name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    std::string dir_;
};

TEST_F(ScriptFiles, EveryLineEndBecomesCrLf) {
    std::u16string text;
    ASSERT_TRUE(readScriptText(write("a.tvo", "a\r\nb\rc\nd"), text));
    EXPECT_EQ(text, u"a\r\nb\r\nc\r\nd\r\n");
    ASSERT_TRUE(readScriptText(write("b.tvo", "x\r\n\r\n"), text));
    EXPECT_EQ(text, u"x\r\n\r\n");
    ASSERT_TRUE(readScriptText(write("empty.tvo", ""), text));
    EXPECT_EQ(text, u"");
    ASSERT_TRUE(readScriptText(write("utf8.tvo", "s = \"\xC3\xA9\"\n"), text));
    EXPECT_EQ(text, u"s = \"\u00E9\"\r\n");
    EXPECT_FALSE(readScriptText(dir_ + "/absent.tvo", text));
    EXPECT_FALSE(readScriptText("", text));
}

TEST(ScriptErrorReport, FourLinesWithSignedNumbers) {
    vbs::ScriptError error;
    error.description = u"Expected 'Then'";
    error.line = 3;
    error.column = 0;
    EXPECT_EQ(scriptErrorReport(error), u"Error in script\r\nExpected 'Then'\r\nAt Line: 3\r\nColumn: 0");
    EXPECT_EQ(signedNumberText(-2), u"-2");
    EXPECT_EQ(signedNumberText(12), u" 12");
}

TEST(ProcedureLookup, CaseAndSpacesOnly) {
    const std::vector<vbs::ProcedureInfo> procedures = {{u"Helper", 0, true}, {u"main", 0, false}};
    EXPECT_TRUE(ProcedureExists(procedures, u"Main"));
    EXPECT_TRUE(ProcedureExists(procedures, u"  MAIN "));
    EXPECT_FALSE(ProcedureExists(procedures, u"Main\t"));
    EXPECT_FALSE(ProcedureExists(procedures, u""));
    EXPECT_FALSE(ProcedureExists(procedures, u"Mai"));
    EXPECT_FALSE(ProcedureExists({}, u"Main"));
}

// A loader whose object registration leaves a marker object behind, so the
// tests can see when the engine was reset and registered again.
class Loader : public ScriptFiles {
protected:
    Loader()
        : marker_(vbs::makeHostObject(u"Marker")),
          library_(engine_, [this](vbs::ScriptEngine& e) { ++registrations_; e.AddObject(u"Marker", marker_.get()); },
                   box_) {}

    vbs::ScriptEngine engine_;
    vbs::HostObjectRef marker_;
    RecordingBox box_;
    int registrations_ = 0;
    ScriptLibrary library_;
};

TEST_F(Loader, LoadScriptsResetsRegistersAndAdds) {
    engine_.ExecuteStatement(u"old = 1");
    library_.LoadScripts(write("lib.tvo", "Function Twice(x)\nTwice = 2 * x\nEnd Function\n"));
    EXPECT_EQ(registrations_, 1);
    EXPECT_TRUE(box_.texts.empty());
    EXPECT_TRUE(engine_.Eval(u"Twice(4) = 8").asBoolean());
    EXPECT_TRUE(engine_.Eval(u"IsEmpty(old)").asBoolean());
    EXPECT_TRUE(engine_.Eval(u"IsObject(Marker)").asBoolean());
}

TEST_F(Loader, LoadScriptKeepsWhatIsThere) {
    library_.LoadScripts(write("one.tvo", "keep = 5\n"));
    library_.LoadScript(write("two.tvo", "Function Two()\nTwo = 2\nEnd Function\n"));
    EXPECT_EQ(registrations_, 1);
    EXPECT_TRUE(engine_.Eval(u"keep + Two() = 7").asBoolean());
}

TEST_F(Loader, FailuresAreReportedAndTheObjectsStay) {
    library_.LoadScripts(dir_ + "/absent.tvo");
    library_.LoadScripts(write("bad.tvo", "a = 1\nb = 2\nc = (\n"));
    ASSERT_EQ(box_.texts.size(), 2u);
    EXPECT_EQ(box_.texts[0], kOpenFailureText);
    EXPECT_EQ(box_.texts[1].rfind(u"Error in script\r\n", 0), 0u);
    EXPECT_NE(box_.texts[1].find(u"\r\nAt Line: 3\r\n"), std::u16string::npos);
    EXPECT_TRUE(engine_.Eval(u"IsObject(Marker)").asBoolean());
}

TEST_F(Loader, StartupRunsMainOrSaysItIsMissing) {
    CvarStore settings;
    std::vector<std::u16string> printed;
    auto print = [&printed](const std::u16string& line) { printed.push_back(line); };

    settings.SetCvarStr(u"MainScriptFile", vbs::toU16(write("main.tvo", "Dim ran\nSub MAIN\nran = Ans + 1\nEnd Sub\n")));
    library_.runStartup(settings, print);
    EXPECT_TRUE(printed.empty());
    EXPECT_TRUE(engine_.Eval(u"ran = 1").asBoolean());  // Main ran after Ans=0

    settings.SetCvarStr(u"MainScriptFile", vbs::toU16(write("none.tvo", "x = 1\n")));
    library_.runStartup(settings, print);
    EXPECT_EQ(printed, std::vector<std::u16string>{kMainNotFoundText});

    settings.SetCvarStr(u"MainScriptFile", vbs::toU16(write("fails.tvo", "Dim y, z\nSub Main\ny = 1\nz = 1 / 0\nEnd Sub\n")));
    library_.runStartup(settings, print);
    EXPECT_TRUE(engine_.Eval(u"y = 1 And IsEmpty(z)").asBoolean());
    EXPECT_TRUE(box_.texts.empty());
}

// The window's scripts have the FileSystemObject, also after a reload, but no WScript.
TEST_F(Loader, ScriptsReachTheFileSystemObject) {
    const std::string data = write("data.txt", "3\n4\n");
    const std::string library = write("files.tvo",
                                      "Function SumOf(path)\n"
                                      "Set f = CreateObject(\"Scripting.FileSystemObject\").OpenTextFile(path)\n"
                                      "Do Until f.AtEndOfStream\nSumOf = SumOf + CDbl(f.ReadLine)\nLoop\n"
                                      "End Function\n");
    library_.LoadScripts(library);
    library_.LoadScripts(library);
    EXPECT_TRUE(box_.texts.empty());
    EXPECT_EQ(engine_.Run(u"SumOf", {vbs::Variant::fromUtf8(data)}).asDouble(), 7.0);
    EXPECT_TRUE(engine_.Eval(u"IsEmpty(WScript)").asBoolean());
}

// And the .NET collections: a sorted list of results.
TEST_F(Loader, ScriptsReachTheDotNetCollections) {
    library_.LoadScripts(write("sorted.tvo",
                               "Function Sorted()\n"
                               "Set list = CreateObject(\"System.Collections.ArrayList\")\n"
                               "list.Add 3 : list.Add 1 : list.Add 2 : list.Sort\n"
                               "Sorted = Join(list.ToArray, \",\")\n"
                               "End Function\n"));
    EXPECT_TRUE(box_.texts.empty());
    EXPECT_EQ(engine_.Run(u"Sorted", {}).asString(), u"1,2,3");
}

// The library shipped beside the program loads cleanly and computes.
TEST_F(Loader, BundledLibraryWorks) {
    const std::filesystem::path bundled = TALVORO_BUNDLED_SCRIPTS;
    library_.LoadScripts(bundled.string());
    ASSERT_TRUE(box_.texts.empty());
    EXPECT_TRUE(ProcedureExists(engine_.Procedures(), u"Main"));
    for (const char16_t* check : {u"Fact(5) = 120", u"Fact(0) = 1", u"Gcd(12, 18) = 6", u"Lcm(4, 6) = 12",
                                  u"Abs(DegSin(30) - 0.5) < 1E-12", u"Abs(DegCos(60) - 0.5) < 1E-12",
                                  u"Abs(DegTan(45) - 1) < 1E-12", u"Abs(Log10(1000) - 3) < 1E-12",
                                  u"Abs(Pi() - 3.14159265358979) < 1E-13", u"Abs(E() - 2.71828182845905) < 1E-13",
                                  u"CToF(100) = 212", u"FToC(32) = 0", u"InchToCm(1) = 2.54"})
        EXPECT_TRUE(engine_.Eval(check).asBoolean()) << QString::fromStdU16String(check).toStdString();
    EXPECT_THROW(engine_.Eval(u"Fact(-1)"), vbs::ScriptException);
}

// The degree functions are exact where the mathematics is, for any turn of
// the circle, and as close as Sin/Cos/Tan elsewhere.
TEST_F(Loader, BundledDegreeFunctionsAreExact) {
    library_.LoadScripts(std::filesystem::path(TALVORO_BUNDLED_SCRIPTS).string());
    ASSERT_TRUE(box_.texts.empty());
    for (const char16_t* check :
         {u"DegSin(0) = 0", u"DegSin(30) = 0.5", u"DegSin(90) = 1", u"DegSin(150) = 0.5", u"DegSin(180) = 0",
          u"DegSin(270) = -1", u"DegSin(-30) = -0.5", u"DegSin(-180) = 0", u"DegSin(390) = 0.5",
          u"DegCos(0) = 1", u"DegCos(60) = 0.5", u"DegCos(90) = 0", u"DegCos(180) = -1", u"DegCos(-240) = -0.5",
          u"DegCos(720) = 1", u"DegCos(-1E-20) = 1", u"DegTan(0) = 0", u"DegTan(45) = 1", u"DegTan(135) = -1",
          u"DegTan(-45) = -1", u"DegTan(225) = 1", u"DegTan(180) = 0",
          u"Abs(DegSin(45) - Sqr(2) / 2) < 1E-15", u"Abs(DegCos(30) - Sqr(3) / 2) < 1E-15",
          u"Abs(DegTan(60) - Sqr(3)) < 1E-14", u"Abs(DegCos(-1000.25) - Cos(-1000.25 * Pi() / 180)) < 1E-13",
          u"Abs(DegTan(89.5) - Tan(89.5 * Pi() / 180)) < 1E-11",
          // Past 2^53 every angle is whole and its turn exact: 10^20 leaves
          // 280 of 360 (0 mod 8 and 5, 1 mod 9), 2^100 leaves 16.
          u"DegSin(1E+20) = DegSin(280)", u"DegCos(-1E+20) = DegCos(80)", u"DegTan(2^100) = DegTan(16)",
          u"DegSin(2^53 + 90) = DegSin(122)"})
        EXPECT_TRUE(engine_.Eval(check).asBoolean()) << QString::fromStdU16String(check).toStdString();
    for (const char16_t* pole : {u"DegTan(90)", u"DegTan(-90)", u"DegTan(450)"}) {
        try {
            engine_.Eval(pole);
            ADD_FAILURE() << QString::fromStdU16String(pole).toStdString() << " gave a value";
        } catch (const vbs::ScriptException& e) {
            EXPECT_EQ(e.error().number, 11) << QString::fromStdU16String(e.error().description).toStdString();
        }
    }
}

}  // namespace
}  // namespace talvoro
