#pragma once
// A Form1 in a directory of its own. Any fault the window reports fails the test, unless the test
// said it expects faults.

#include "app/form1.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <memory>

namespace karnoth::testing {

class FormTest : public ::testing::Test {
protected:
    Form1& form()
    {
        if (!form_) form_ = std::make_unique<Form1>(dir.path());
        return *form_;
    }
    Form1& loaded()
    {
        form().Form_Load();
        return *form_;
    }
    // A second window in the same directory, as after closing and starting again.
    Form1& restart()
    {
        checkFaults();
        form_ = std::make_unique<Form1>(dir.path());
        form_->Form_Load();
        return *form_;
    }
    void expectFaults() { faultsExpected_ = true; }
    void TearDown() override { checkFaults(); }

    TempDir dir;

private:
    void checkFaults()
    {
        if (form_ && !faultsExpected_)
            for (const std::string& fault : form_->faults()) ADD_FAILURE() << "unexpected fault: " << fault;
    }
    std::unique_ptr<Form1> form_;
    bool faultsExpected_ = false;
};

}  // namespace karnoth::testing
