#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "fpgeom/frame/ObList.h"
#include "fpgeom/region/FPPolyRgn.h"
#include "frame/SampleObjects.h"
#include "values/ArchiveRecord.h"

namespace fpgeom::test {

// Class names at and just past the longest an archive names.
class SampleWhoseClassNameIsJustAsLongAsTheSixtyFourBytesAnArchiveName : public CObject {
  DECLARE_SERIAL(SampleWhoseClassNameIsJustAsLongAsTheSixtyFourBytesAnArchiveName)
};
IMPLEMENT_SERIAL(SampleWhoseClassNameIsJustAsLongAsTheSixtyFourBytesAnArchiveName, CObject, 1)

class SampleWhoseClassNameIsOneByteLongerThanTheSixtyFourAnArchiveNames : public CObject {
  DECLARE_SERIAL(SampleWhoseClassNameIsOneByteLongerThanTheSixtyFourAnArchiveNames)
};
IMPLEMENT_SERIAL(SampleWhoseClassNameIsOneByteLongerThanTheSixtyFourAnArchiveNames, CObject, 1)

namespace {

using Action = std::function<void(CArchive&)>;

// Loads from the bytes, which must all be read without an error.
void Load(const Bytes& bytes, const Action& read) {
  BYTE extra = 0;
  UINT unread = 0;
  EXPECT_EQ(LoadingCause(bytes, [&](CArchive& ar) { read(ar); unread = ar.Read(&extra, 1); }), CArchiveException::none);
  EXPECT_EQ(unread, 0u) << "bytes left unread";
}

ArchiveBytes NewSample(std::int32_t value) { return ArchiveBytes().NewClass(3, "SampleValue").Dword(value); }
std::unique_ptr<CObject> ReadAny(CArchive& ar) { return std::unique_ptr<CObject>(ar.ReadObject(nullptr)); }
const SampleValue& Sample(const std::unique_ptr<CObject>& object) { return static_cast<const SampleValue&>(*object); }

TEST(Archive, WritesScalarsAndCountsLittleEndianAndDoublesBitForBit) {
  const auto scalars = std::make_tuple(BYTE{0xA1}, WORD{0xB2C3}, DWORD{0xD4E5F607u}, std::int32_t{-2},
                                       ULONGLONG{0x0102030405060708ull}, 1.5, -0.0);
  const Bytes bytes = Stored([&](CArchive& ar) { std::apply([&](auto... value) { (ar << ... << value); }, scalars); });
  EXPECT_EQ(bytes, (Bytes{0xA1, 0xC3, 0xB2, 0x07, 0xF6, 0xE5, 0xD4, 0xFE, 0xFF, 0xFF, 0xFF, 0x08, 0x07, 0x06, 0x05,
                          0x04, 0x03, 0x02, 0x01, 0, 0, 0, 0, 0, 0, 0xF8, 0x3F, 0, 0, 0, 0, 0, 0, 0, 0x80}));
  Load(bytes, [&](CArchive& ar) {
    std::remove_const_t<decltype(scalars)> read{};
    std::apply([&](auto&... value) { (ar >> ... >> value); }, read);
    EXPECT_EQ(read, scalars);
  });

  const std::pair<DWORD_PTR, ArchiveBytes> counts[] = {
      {0, ArchiveBytes().Word(0)},
      {0xFFFE, ArchiveBytes().Word(0xFFFE)},
      {0xFFFF, ArchiveBytes().Word(0xFFFF).Dword(0xFFFF)},
      {0xFFFFFFFE, ArchiveBytes().Word(0xFFFF).Dword(0xFFFFFFFE)},
      {0xFFFFFFFF, ArchiveBytes().Word(0xFFFF).Dword(0xFFFFFFFF).Le(0xFFFFFFFF, 8)},
      {0x123456789ull, ArchiveBytes().Word(0xFFFF).Dword(0xFFFFFFFF).Le(0x123456789ull, 8)},
  };
  for (const auto& [count, expected] : counts) {
    SCOPED_TRACE(count);
    EXPECT_EQ(Stored([&](CArchive& ar) { ar.WriteCount(count); }), expected.bytes());
    Load(expected.bytes(), [&](CArchive& ar) { EXPECT_EQ(ar.ReadCount(), count); });
  }
}

TEST(Archive, WritesNewClassesThenBackReferencesWithSharedIndices) {
  SampleValue first(7), second(-1);
  SampleDerived derived;
  derived.m_value = 9;
  const Bytes bytes = Stored([&](CArchive& ar) {
    ar << &first << &second << &first << static_cast<const CObject*>(nullptr) << &derived << &derived;
  });
  // Indices: 1 SampleValue, 2 first, 3 second, 4 SampleDerived, 5 derived.
  EXPECT_EQ(bytes, NewSample(7).Word(0x8001).Dword(-1).Word(2).Word(0).NewClass(1, "SampleDerived").Dword(9).Word(5)
                       .bytes());

  Load(bytes, [](CArchive& ar) {
    const std::unique_ptr<CObject> a = ReadAny(ar), b = ReadAny(ar);
    EXPECT_EQ(ar.ReadObject(RUNTIME_CLASS(SampleValue)), a.get());
    EXPECT_EQ(ar.ReadObject(nullptr), nullptr);
    const std::unique_ptr<CObject> d(ar.ReadObject(RUNTIME_CLASS(SampleValue)));
    EXPECT_EQ(ar.ReadObject(RUNTIME_CLASS(SampleDerived)), d.get());
    ASSERT_TRUE(a && b && d);
    // Each object learns the schema its class was archived with, so b is of the first class.
    EXPECT_EQ(std::make_tuple(Sample(a).m_value, Sample(b).m_value, Sample(b).m_loadedSchema, Sample(d).m_loadedSchema),
              std::make_tuple(7, -1, 3u, 1u));
  });
}

TEST(Archive, SwitchesToTheLongFormsOnceIndicesReach0x7FFF) {
  // Index 1 is the class; objects take 2 .. 0x8001, so the last ones pass 0x7FFF.
  std::vector<SampleValue> values(0x8000);
  for (std::size_t i = 0; i < values.size(); ++i) values[i].m_value = static_cast<std::int32_t>(i);
  SampleDerived late, later;
  late.m_value = 42;
  const Bytes bytes = Stored([&](CArchive& ar) {
    for (const SampleValue& value : values) ar << &value;
    ar << &values[0x7FFC] << &values[0x7FFD] << &values[0x7FFE] << &late << &later;
  });
  // SampleDerived takes index 0x8002 and late 0x8003.
  const Bytes tail = ArchiveBytes().Word(0x7FFE).Word(0x7FFF).Dword(0x7FFF).Word(0x7FFF).Dword(0x8000)
                         .NewClass(1, "SampleDerived").Dword(42).Word(0x7FFF).Dword(0x80008002u).Dword(0).bytes();
  const std::size_t objectsEnd = 21 + 6 * (values.size() - 1);
  ASSERT_EQ(bytes.size(), objectsEnd + tail.size());
  EXPECT_EQ(Bytes(bytes.begin() + static_cast<std::ptrdiff_t>(objectsEnd), bytes.end()), tail);

  Load(bytes, [&](CArchive& ar) {
    std::vector<std::unique_ptr<CObject>> read;
    for (std::size_t i = 0; i < values.size(); ++i) read.push_back(ReadAny(ar));
    for (std::size_t i : {0x7FFC, 0x7FFD, 0x7FFE}) EXPECT_EQ(ar.ReadObject(nullptr), read[i].get());
    const std::unique_ptr<CObject> lateRead = ReadAny(ar);
    const std::unique_ptr<CObject> laterRead = ReadAny(ar);
    EXPECT_EQ(std::make_pair(Sample(read.back()).m_value, Sample(lateRead).m_value), std::make_pair(0x7FFF, 42));
    EXPECT_EQ(laterRead->GetRuntimeClass(), RUNTIME_CLASS(SampleDerived));
  });
}

TEST(Archive, RefusesBadIndicesUnknownOrUnexpectedClassesAndOtherSchemas) {
  const int badIndex = CArchiveException::badIndex, badClass = CArchiveException::badClass;
  const struct {
    const char* name;
    ArchiveBytes bytes;
    const CRuntimeClass* expected;
    int objectsBefore;  // read as any class before the one that fails
    int cause;
  } cases[] = {
      {"object index naming a class", NewSample(1).Word(1), nullptr, 1, badIndex},
      {"class index naming an object", NewSample(1).Word(0x8002), nullptr, 1, badIndex},
      {"class index 0", ArchiveBytes().Word(0x8000), nullptr, 0, badIndex},
      {"unknown name", ArchiveBytes().NewClass(3, "NoSuchClass").Dword(1), nullptr, 0, badClass},
      {"zero in name", ArchiveBytes().NewClass(3, std::string("SampleValue\0x", 13)).Dword(1), nullptr, 0, badClass},
      {"a class that cannot be created", ArchiveBytes().NewClass(0xFFFF, "CObject"), nullptr, 0, badClass},
      {"base where a derived class is expected", NewSample(1), RUNTIME_CLASS(SampleDerived), 0, badClass},
      {"class reference to another class", NewSample(1).Word(0x8001).Dword(2), RUNTIME_CLASS(CObList), 1, badClass},
      {"back reference to another class", NewSample(1).Word(2), RUNTIME_CLASS(CObList), 1, badClass},
      {"another schema", ArchiveBytes().NewClass(0, "SampleValue").Dword(1), nullptr, 0, CArchiveException::badSchema},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const int live = SampleValue::s_live;
    EXPECT_EQ(LoadingCause(c.bytes.bytes(),
                           [&](CArchive& ar) {
                             std::vector<std::unique_ptr<CObject>> read;
                             for (int i = 0; i < c.objectsBefore; ++i) read.push_back(ReadAny(ar));
                             read.emplace_back(ar.ReadObject(c.expected));
                           }),
              c.cause);
    EXPECT_EQ(SampleValue::s_live, live);
  }
  EXPECT_EQ(LoadingCause(ArchiveBytes().Word(0).bytes(), [](CArchive& ar) { ar.ReadClass(); }), badIndex);
}

TEST(Archive, RefusesToWriteAClassItCouldNotReadBack) {
  const CFPPolyRgn withoutSchema;  // creatable, but not serializable
  const SampleWhoseClassNameIsOneByteLongerThanTheSixtyFourAnArchiveNames longName;
  for (const CObject* object : {static_cast<const CObject*>(&withoutSchema), static_cast<const CObject*>(&longName)}) {
    const auto refused = [&](auto& ar) { EXPECT_EQ(ArchiveCause([&] { ar << object; }), CArchiveException::badClass); };
    EXPECT_TRUE(Stored(refused).empty()) << object->GetRuntimeClass()->m_lpszClassName;
  }
  const SampleWhoseClassNameIsJustAsLongAsTheSixtyFourBytesAnArchiveName longest;
  const Bytes bytes = Stored([&](CArchive& ar) { ar << &longest; });
  EXPECT_EQ(bytes.size(), 6u + 64u);
  Load(bytes, [&](CArchive& ar) { EXPECT_EQ(ReadAny(ar)->GetRuntimeClass(), longest.GetRuntimeClass()); });
}

// The archive reads ahead, but on closing hands back what it did not use.
TEST(Archive, RefusesTheWrongDirectionAndAnyUseAfterCloseWhichHandsBackUnreadBytes) {
  CMemFile storingFile;
  CArchive storing(&storingFile, CArchive::store);
  BYTE source[8] = {1, 2, 3, 4};
  CMemFile loadingFile(source, sizeof source);
  CArchive loading(&loadingFile, CArchive::load);
  EXPECT_EQ(ArchiveCause([&] { ReadAny(storing); }), CArchiveException::writeOnly);
  EXPECT_EQ(ArchiveCause([&] { loading << 1.0; }), CArchiveException::readOnly);
  DWORD value = 0;
  loading >> value;
  loading.Close();
  EXPECT_EQ(std::make_pair(value, loadingFile.GetPosition()), std::make_pair(DWORD{0x04030201u}, ULONGLONG{4}));

  storing << static_cast<WORD>(1);
  storing.Close();
  EXPECT_EQ(storingFile.GetLength(), 2u);
  EXPECT_EQ(ArchiveCause([&] { storing << static_cast<WORD>(1); }), CArchiveException::genericException);
  CMemFile flushed;
  CArchive(&flushed, CArchive::store) << 2.25;  // flushes as it goes away
  EXPECT_EQ(flushed.GetLength(), 8u);
}

TEST(Archive, ForgetsTheObjectsOfARecordThatFailed) {
  // Indices: 1 SampleHolder, 2 the holder, 3 SampleValue, 4 the child. The
  // holder's record ends early, so the holder and the child it owns die; a
  // later reference to either must not hand out a deleted object.
  for (unsigned index : {2u, 4u}) {
    SCOPED_TRACE(index);
    const int live = SampleValue::s_live;
    Load(ArchiveBytes().NewClass(2, "SampleHolder").Append(NewSample(5).bytes()).Word(index).bytes(), [](CArchive& ar) {
      EXPECT_EQ(ArchiveCause([&] { ReadAny(ar); }), CArchiveException::endOfFile);
      EXPECT_EQ(ArchiveCause([&] { ReadAny(ar); }), CArchiveException::badIndex);
    });
    EXPECT_EQ(SampleValue::s_live, live);
  }
  // An object list owns none of its elements, so what only a failed list
  // held goes with it: a value listed twice, and a holder, whose child its
  // holder deletes (indices: 3 SampleValue, 4 the value, 6 the holder).
  const int live = SampleValue::s_live;
  const ArchiveBytes list = ArchiveBytes().NewClass(0, "CObList").Word(4).Append(NewSample(7).bytes()).Word(4)
                                .NewClass(2, "SampleHolder").Word(0x8003).Dword(8).Dword(1).Word(0x8003);
  EXPECT_EQ(LoadingCause(list.bytes(), [](CArchive& ar) { ReadAny(ar); }), CArchiveException::endOfFile);
  EXPECT_EQ(SampleValue::s_live, live);
}

}  // namespace
}  // namespace fpgeom::test
