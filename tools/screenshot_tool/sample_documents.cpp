#include "sample_documents.h"

#include "scanned_page.h"
#include "store/file_document.h"

#include <QDateTime>

namespace quillox::screenshots {
namespace {

struct SampleDocument {
    const char* name;
    const char* description;
    const char* tagWords;
    QDate date;
    const char* folder;
};

const SampleDocument sampleDocuments[] = {
    {"Tax advisor engagement letter",
     "Terms and fees of Miller & Co. tax advisors",
     "TAX ADVISOR LETTER",
     {2013, 2, 4},
     "TAXES FOLDER"},
    {"Property tax notice",
     "City of Springfield property tax for 2014",
     "TAX PROPERTY HOUSE",
     {2014, 1, 15},
     "TAXES FOLDER"},
    {"Tax office reminder",
     "Reminder to file the 2013 return by May 31",
     "TAX REMINDER",
     {2014, 4, 2},
     "TAXES FOLDER"},
    {"Income tax return 2013",
     "Federal return with all schedules, as filed",
     "TAX RETURN 2013",
     {2014, 3, 28},
     "2013 SUBFOLDER"},
    {"W-2 wage statement 2013",
     "Annual wage statement from Acme Corp.",
     "TAX W2 SALARY 2013",
     {2014, 1, 30},
     "2013 SUBFOLDER"},
    {"Estimated tax payment Q2",
     "Receipt for the second quarter's estimated payment",
     "TAX PAYMENT 2014",
     {2014, 6, 16},
     "2014 SUBFOLDER"},
    {"Life insurance policy",
     "Term life policy over 20 years, with the beneficiaries",
     "INSURANCE LIFE POLICY",
     {2013, 5, 10},
     "INSURANCE FOLDER"},
    {"Car insurance renewal",
     "Renewal certificate for the Golf, fully comprehensive",
     "INSURANCE CAR RENEWAL",
     {2013, 9, 1},
     "CAR SUBFOLDER"},
    {"Vehicle registration",
     "Registration document, plate KL-4471",
     "CAR REGISTRATION",
     {2013, 7, 19},
     "CAR SUBFOLDER"},
    {"Home insurance claim",
     "Water damage in the kitchen, claim no. 58-2231",
     "INSURANCE HOUSE CLAIM",
     {2014, 2, 11},
     "HOUSE SUBFOLDER"},
    {"Water bill March 2014",
     "Quarterly water and sewage charges",
     "WATER BILL UTILITIES",
     {2014, 3, 5},
     "UTILITIES SUBFOLDER"},
    {"Electricity contract",
     "Two-year fixed price contract with Brightpower",
     "ELECTRICITY CONTRACT",
     {2013, 11, 20},
     "ELECTRICITY SUBFOLDER"},
    {"Electricity bill December 2013",
     "Final bill of the old meter",
     "ELECTRICITY BILL",
     {2013, 12, 31},
     "ELECTRICITY SUBFOLDER"},
    {"Letter from Mr O'Neil",
     "His offer to share the new garden fence",
     "NEIGHBOUR FENCE LETTER",
     {2013, 8, 14},
     "O'NEIL FOLDER"},
    {"Dental treatment invoice",
     "Crown and check-up at Dr. Patel's",
     "DENTIST INVOICE HEALTH",
     {2014, 5, 22},
     "MEDICAL FOLDER"},
    {"Vaccination record",
     "Travel vaccinations: hepatitis A and typhoid",
     "HEALTH VACCINATION",
     {2013, 4, 3},
     "MEDICAL FOLDER"},
    {"Mortgage statement 2013",
     "Annual statement with the interest paid, for the taxes",
     "BANK MORTGAGE TAX",
     {2014, 1, 8},
     "BANK FOLDER"},
};

} // namespace

void fileSampleDocuments(store::TdmData& data, const QString& scanFolder) {
    int number = 0;
    for (const SampleDocument& document : sampleDocuments) {
        const QString page =
            writeScannedPage(scanFolder, QString("scan_%1.txt").arg(++number, 2, 10, QChar('0')),
                             QString(document.name) + "\n" + document.description + "\n");
        store::fileDocument(data,
                            {page, document.name, document.description, document.tagWords,
                             QDateTime(document.date, QTime(9, 30)), document.folder},
                            {});
    }
}

} // namespace quillox::screenshots
