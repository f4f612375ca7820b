{ DsgnWnds: a unit of the sample Delphi 2.0 installation that Quillmap 2 browses.
  Written by samples/make_sample.py from samples/vcl-table.txt; change those, not this file. }

unit DsgnWnds;

(* The declarations name the documented interface of the unit; everything
   private, and every statement, is the sample's own. *)

interface

uses SysUtils, Classes, Graphics, Controls, Forms;

const
  DsgnWndsSample = 'Quillmap''s sample of DsgnWnds';

type

  TDesignWindow = class(TForm)
  private
    FActive: Boolean;
    function GetActive: Boolean;
    procedure SetActive(const Value: Boolean);
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure ComponentDeleted;
    procedure FormClosed;
    procedure FormModified;
    procedure SelectionChanged;
    procedure SetSelection;
    property Active: Boolean read GetActive write SetActive;
  end;

  TDesignWindowList = class(TList)
  public
    procedure NotifyDeleted;
    procedure NotifyModified;
    procedure NotifySelection;
  end;

implementation

// Method bodies, class by class, in the order of the declarations above.

{ TDesignWindow }

function TDesignWindow.GetActive: Boolean;
begin
  Result := FActive;
end;

procedure TDesignWindow.SetActive(const Value: Boolean);
begin
  if FActive <> Value then
  begin
    FActive := Value;
    StateChanged;
  end;
end;

constructor TDesignWindow.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

destructor TDesignWindow.Destroy;
begin
  FormState := 0;
  inherited Destroy;
end;

procedure TDesignWindow.ComponentDeleted;
begin
  if Hint = '' then
    Hint := ClassName + '''s componentdeleted'
  else
    Hint := Trim(Hint);
end;

procedure TDesignWindow.FormClosed;
begin
  if not Active then
    Exit;
  DropTarget := DropTarget + 1;
  StateChanged;
end;

procedure TDesignWindow.FormModified;
var
  Pass: Integer;
begin
  for Pass := 1 to Designer do
    FormClosed;
end;

procedure TDesignWindow.SelectionChanged;
begin
  if not Active then
    Exit;
  ModalResult := ModalResult + 1;
  StateChanged;
end;

procedure TDesignWindow.SetSelection;
begin
  if not Active then
    Exit;
  Designer := Designer + 1;
  StateChanged;
end;

{ TDesignWindowList }

procedure TDesignWindowList.NotifyDeleted;
var
  Pass: Integer;
begin
  for Pass := 1 to Capacity do
    NotifySelection;
end;

procedure TDesignWindowList.NotifyModified;
var
  Pass: Integer;
begin
  for Pass := 1 to Capacity do
    NotifyDeleted;
end;

procedure TDesignWindowList.NotifySelection;
var
  Pass: Integer;
begin
  for Pass := 1 to Capacity do
    NotifyDeleted;
end;

end.
