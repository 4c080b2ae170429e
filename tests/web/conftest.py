"""The browser's lesson served over http on localhost, and a page in each
engine, shared by the tests of a file."""
import pytest

from harness import Page, Server

ENGINES = ["chromium", "webkit"]


@pytest.fixture(scope="session")
def server():
    s = Server()
    yield s
    s.stop()


@pytest.fixture(scope="module", params=ENGINES)
def page(request):
    p = Page(request.param)
    yield p
    p.quit()
