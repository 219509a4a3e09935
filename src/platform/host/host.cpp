#include "platform/host/host.h"

#include <stdexcept>

namespace lumar::host {

namespace {
Host* theHost = nullptr;
}  // namespace

struct Host::Tables {
    CoreTable core = makeCoreTable();
    AcroSupportTable acroSupport = makeAcroSupportTable();
    AcroViewTable acroView = makeAcroViewTable();
    CosTable cos = makeCosTable();
    PDModelTable pdModel = makePDModelTable();
    PDFEditWriteTable pdfEditWrite;
    PDFEditReadTable pdfEditRead;
    PDSysFontTable pdSysFont;
    PagePDEContentTable pagePdeContent;
    PDSWriteTable pdsWrite;
    PDSReadTable pdsRead;
    WinTable win;
    ASExtraTable asExtra = makeASExtraTable();

    template <typename Table>
    void offer(TableRegistry& registry, TableId id, Table& table) {
        registry.offer(tableName(id), &table, sizeof(Table), kOfferedTableVersion);
    }

    void offerAll(TableRegistry& registry) {
        offer(registry, TableId::Core, core);
        offer(registry, TableId::Cos, cos);
        offer(registry, TableId::PDModel, pdModel);
        offer(registry, TableId::PDFEditWrite, pdfEditWrite);
        offer(registry, TableId::PDFEditRead, pdfEditRead);
        offer(registry, TableId::PDSysFont, pdSysFont);
        offer(registry, TableId::PagePDEContent, pagePdeContent);
        offer(registry, TableId::AcroView, acroView);
        offer(registry, TableId::PDSWrite, pdsWrite);
        offer(registry, TableId::PDSRead, pdsRead);
        offer(registry, TableId::Win, win);
        offer(registry, TableId::ASExtra, asExtra);
        offer(registry, TableId::AcroSupport, acroSupport);
    }
};

Host::Host(UserInterface& ui) : ui_(ui), tables_(std::make_unique<Tables>()) {
    if (theHost != nullptr) {
        throw std::logic_error("A host is already running in this process.");
    }
    tables_->offerAll(registry_);
    theHost = this;
}

Host::~Host() {
    theHost = nullptr;
}

Host& Host::current() {
    if (theHost == nullptr) {
        throw std::logic_error("No host is running in this process.");
    }
    return *theHost;
}

const CoreTable& Host::core() const {
    return tables_->core;
}

const AcroSupportTable& Host::acroSupport() const {
    return tables_->acroSupport;
}

const AcroViewTable& Host::acroView() const {
    return tables_->acroView;
}

bool Host::applicationMayQuit() {
    return tables_->acroView.appMayQuit();
}

}  // namespace lumar::host
